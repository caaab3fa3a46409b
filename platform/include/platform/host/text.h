// Conversion between narrow text and UTF-16 for the code pages the system meets: the ANSI
// code page (CP_ACP, CP_THREAD_ACP and CP_OEMCP all mean GetACP()), 932 and CP_UTF8.
//
// As on Windows: a negative source length means zero-terminated and counts the terminator;
// a zero output size asks for the size; a too-small output gives 0 and
// ERROR_INSUFFICIENT_BUFFER. Without the error flags, text that does not convert is replaced:
// - Shift-JIS to UTF-16: a lead byte at the end, a lead byte with a byte that cannot follow it,
//   or an unassigned pair gives U+30FB. A byte that cannot be a trail byte is never swallowed:
//   it is read again as a character of its own, so an ASCII byte always survives.
// - UTF-8 to UTF-16: each maximal ill-formed subsequence gives U+FFFD.
// - UTF-16 to Shift-JIS: each code unit without a mapping gives the default character ('?',
//   or the caller's), surrogates included (a pair gives two). No best-fit mapping is made.
// - UTF-16 to UTF-8: an unpaired surrogate gives U+FFFD.
// With MB_ERR_INVALID_CHARS / WC_ERR_INVALID_CHARS such text fails the call with
// ERROR_NO_UNICODE_TRANSLATION instead.
#pragma once

#include "platform/host/codepage.h"
#include "platform/host/errors.h"
#include "platform/host/types.h"

#define CP_OEMCP 1

#define MB_PRECOMPOSED 0x00000001
#define MB_ERR_INVALID_CHARS 0x00000008
#define WC_ERR_INVALID_CHARS 0x00000080
#define WC_NO_BEST_FIT_CHARS 0x00000400

#define ERROR_INVALID_FLAGS 1004
#define ERROR_NO_UNICODE_TRANSLATION 1113

int MultiByteToWideChar(UINT codePage, DWORD flags, LPCSTR multiByte, int multiByteLength,
                        LPWSTR wide, int wideLength);
// defaultChar and usedDefaultChar must be null for CP_UTF8.
int WideCharToMultiByte(UINT codePage, DWORD flags, LPCWSTR wide, int wideLength, LPSTR multiByte,
                        int multiByteLength, LPCSTR defaultChar, BOOL* usedDefaultChar);
