// The command line as the application object receives it.
#pragma once

#include "platform/unique_handles.h"

// Converts a zero-terminated command line in the process's ANSI code page to a BSTR of
// exactly the UTF-16 units it yields (the terminator is not counted). Null when the text
// cannot be converted or no string can be allocated.
UniqueBstr MakeCommandString(const char* commandLine);
