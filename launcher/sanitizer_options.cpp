// Built into sanitized builds that link log4cxx only. Debian's log4cxx 1.0.0 deletes its
// rolling file appender's policy with the size of another type when the process exits;
// the fault is the library's, and left on, the check would end every sanitized run.
// Settings in ASAN_OPTIONS still apply on top of this one.
extern "C" const char* __asan_default_options() {
    return "new_delete_type_mismatch=0";
}
