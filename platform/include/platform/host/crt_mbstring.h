// The multibyte string calls of the C run-time, lead-byte aware in the ANSI code page:
// a byte after a lead byte is the second half of a character and never matches on its own.
#pragma once

#include <cstddef>

int _ismbblead(unsigned int byte);
// Copies at most count bytes, never ending on a lone lead byte; zero-fills the rest of
// count like strncpy.
unsigned char* _mbsnbcpy(unsigned char* destination, const unsigned char* source,
                         std::size_t count);
int _mbsnbcmp(const unsigned char* left, const unsigned char* right, std::size_t count);
// Characters, not bytes: a double-byte character counts once, a lead byte at the end not at all.
std::size_t _mbslen(const unsigned char* text);
// A lead byte at the end breaks the string: _mbschr finds nothing, _mbsrchr the last match
// before it or else the terminator.
unsigned char* _mbschr(const unsigned char* text, unsigned int character);
unsigned char* _mbsrchr(const unsigned char* text, unsigned int character);
// Fills at most count bytes (never past the terminator) with the character; a double-byte
// character without room for both bytes leaves a blank.
unsigned char* _mbsnbset(unsigned char* text, unsigned int character, std::size_t count);
