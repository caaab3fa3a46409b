// Conversion between narrow text and UTF-16 for the code pages the system meets: the ANSI
// code page (CP_ACP means GetACP(), CP_THREAD_ACP the thread locale's code page), 932, 1252
// and CP_UTF8, with flags 0 and no default character (the host takes neither).
//
// As on Windows: a negative source length means zero-terminated and counts the terminator;
// a zero output size asks for the size; a too-small output gives 0 and
// ERROR_INSUFFICIENT_BUFFER. Text that does not convert is replaced as Windows replaces it:
// - Shift-JIS to UTF-16: a lead byte takes the next byte whatever it is (a NUL aside); a pair
//   without a character, or a lead byte at the end, gives U+30FB.
// - UTF-8 to UTF-16: each maximal ill-formed subsequence gives U+FFFD.
// - UTF-16 to Shift-JIS: a unit without a code gives Windows' best fit or '?' (each unit of a
//   surrogate pair gives one).
// - UTF-16 to UTF-8: an unpaired surrogate gives U+FFFD.
// - UTF-16 to 1252: a unit without a code gives '?'.
#pragma once

#include "platform/host/codepage.h"
#include "platform/host/errors.h"
#include "platform/host/types.h"

#define ERROR_INVALID_FLAGS 1004

int MultiByteToWideChar(UINT codePage, DWORD flags, LPCSTR multiByte, int multiByteLength,
                        LPWSTR wide, int wideLength);
int WideCharToMultiByte(UINT codePage, DWORD flags, LPCWSTR wide, int wideLength, LPSTR multiByte,
                        int multiByteLength, LPCSTR defaultChar, BOOL* usedDefaultChar);
