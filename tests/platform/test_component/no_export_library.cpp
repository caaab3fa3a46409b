// A library that a manifest names as a component but that exports no DllGetClassObject.
extern "C" int PlatformTestNothingToCreate() {
    return 0;
}
