// The conversions behind MultiByteToWideChar, WideCharToMultiByte and the names that cross to
// the operating system, on whole strings, each replacing what it cannot convert as Windows does.
#pragma once

#include <string>

namespace host {

// Ill-formed input gives U+FFFD per maximal ill-formed subsequence.
std::u16string Utf8ToUtf16(const char* text, std::size_t length);
// An unpaired surrogate gives U+FFFD.
std::string Utf16ToUtf8(const char16_t* text, std::size_t length);

// Code page 932: bytes without a character give U+30FB.
std::u16string ShiftJisToUtf16(const char* text, std::size_t length);
// A unit without a code gives Windows' best fit, or '?'.
std::string Utf16ToShiftJis(const char16_t* text, std::size_t length);

// Code page 1252, the code page of an English thread locale: every byte has a character.
std::u16string Windows1252ToUtf16(const char* text, std::size_t length);
// A unit without a code gives '?' (Windows would give its best fit for some, such as 'A'
// for U+0100; the layer never meets them).
std::string Utf16ToWindows1252(const char16_t* text, std::size_t length);

}  // namespace host
