// The conversions behind MultiByteToWideChar and WideCharToMultiByte, on whole strings.
// Each reports whether the input held text it had to replace.
#pragma once

#include <string>

namespace host {

struct Utf16Result {
    std::u16string text;
    bool replaced = false;
};

struct NarrowResult {
    std::string text;
    bool replaced = false;
};

// Ill-formed input gives U+FFFD per maximal ill-formed subsequence.
Utf16Result Utf8ToUtf16(const char* text, std::size_t length);
// An unpaired surrogate gives U+FFFD.
NarrowResult Utf16ToUtf8(const char16_t* text, std::size_t length);

// Undecodable text gives U+30FB; a byte that cannot be a trail byte is read on its own.
Utf16Result ShiftJisToUtf16(const char* text, std::size_t length);
// A unit without a mapping gives defaultCharacter (one or two bytes).
NarrowResult Utf16ToShiftJis(const char16_t* text, std::size_t length,
                             const std::string& defaultCharacter);

}  // namespace host
