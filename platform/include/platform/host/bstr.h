// OLE Automation strings: UTF-16 text preceded by its length in bytes (a 32-bit count just
// before the first character) and followed by a terminating zero that the count leaves out.
#pragma once

#include "platform/host/types.h"

using OLECHAR = char16_t;
using BSTR = OLECHAR*;

// Copies length characters of text, or leaves them unset when text is null; the terminator
// is always written. Null when the memory cannot be had or the length does not fit a BSTR.
BSTR SysAllocStringLen(const OLECHAR* text, UINT length);
// A null string is allowed and does nothing.
void SysFreeString(BSTR text);
// Characters, not bytes; 0 for a null string.
UINT SysStringLen(BSTR text);
