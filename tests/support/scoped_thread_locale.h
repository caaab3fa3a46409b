// Puts the calling thread in another locale for one test, so that CP_THREAD_ACP means another
// code page than the process's, as on a Japanese Windows whose formats are set to English.
// The earlier locale returns afterwards.
#pragma once

#include <string>

#include "platform/win32.h"

// English (United States): its code page is 1252.
inline const LCID kEnglishThreadLocale = MAKELCID(0x0409, SORT_DEFAULT);

class ScopedThreadLocale {
  public:
    explicit ScopedThreadLocale(LCID locale)
        : previous_(GetThreadLocale()), switched_(SetThreadLocale(locale) != FALSE) {}
    ScopedThreadLocale(const ScopedThreadLocale&) = delete;
    ScopedThreadLocale& operator=(const ScopedThreadLocale&) = delete;
    ~ScopedThreadLocale() { SetThreadLocale(previous_); }

    bool Switched() const { return switched_; }

  private:
    LCID previous_;
    bool switched_;
};

// 日 in Shift-JIS as the thread's code page reads it: in 1252 it is U+201C U+00FA, so a test
// can tell that the thread's code page is no longer the process's.
inline std::u16string ThreadCodePageReadingOfNichi() {
    const char nichi[] = "\x93\xFA";
    WCHAR units[4] = {};
    const int count = MultiByteToWideChar(CP_THREAD_ACP, 0, nichi, 2, units, 4);
    return std::u16string(reinterpret_cast<const char16_t*>(units),
                          count > 0 ? static_cast<std::size_t>(count) : 0);
}
