// UTF-8 copies of the UTF-16 text the component receives, for files and logs.
#pragma once

#include <string>

#include "platform/win32.h"

// The string's characters (its own length, not up to a zero); empty for a null string.
std::string Utf8FromBstr(BSTR text);
