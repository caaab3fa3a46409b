#include "platform/host/thread_code_page.h"
#include "platform/win32.h"

namespace {

constexpr LCID kJapanese = 0x0411;
constexpr WORD kPrimaryJapanese = 0x11;
constexpr WORD kPrimaryEnglish = 0x09;

// Each thread has its own, as on Windows; a new thread starts in the user's locale.
thread_local LCID t_locale = kJapanese;

// The locale's own ANSI code page, or 0 for a locale the layer does not know.
UINT LocaleCodePage(LCID locale) {
    if ((locale >> 16) != SORT_DEFAULT) {
        return 0;
    }
    switch (static_cast<WORD>(locale) & 0x3FF) {
        case kPrimaryJapanese:
            return 932;
        case kPrimaryEnglish:
            return 1252;
        default:
            return 0;
    }
}

}  // namespace

LCID GetThreadLocale() {
    return t_locale;
}

BOOL SetThreadLocale(LCID locale) {
    if (LocaleCodePage(locale) == 0) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    t_locale = locale;
    return TRUE;
}

namespace host {

UINT ThreadCodePage() {
    return GetACP() == CP_UTF8 ? CP_UTF8 : LocaleCodePage(t_locale);
}

}  // namespace host
