// Narrow-string operations that respect double-byte characters of the ANSI code page: the
// second byte of a Shift-JIS character may be a backslash (92), and must never be taken for
// a separator, a dot or the start of a match.
#pragma once

#include <cstddef>
#include <string>

bool IsLeadByte(char byte);

// The index of the last occurrence of byte that is not the trail byte of a double-byte
// character, or -1.
int ReverseFindChar(const std::string& text, char byte);

// Replaces every occurrence of search, left to right and without overlap; text inserted by a
// replacement is not searched again. An empty search changes nothing.
void ReplaceAll(std::string& text, const std::string& search, const std::string& replacement);

// The length of the longest prefix of text of at most limit bytes that ends on a whole
// character. A lead byte with nothing after it is never part of the prefix.
std::size_t WholeCharacterPrefixLength(const char* text, std::size_t limit);
