// The plain walk over Shift-JIS characters that the references of the string targets take.
#pragma once

#include <cstddef>
#include <string>

#include "fsutil/mbcs_string.h"

// The width of the character at text[at]: a lead byte takes the byte after it, and a lead
// byte with nothing after it is a character of its own.
inline std::size_t WidthAt(const std::string& text, std::size_t at) {
    return IsLeadByte(text[at]) && at + 1 < text.size() ? 2 : 1;
}
