// Which libraries are loaded, for GetModuleHandleA: only the built-in one is tracked.
#pragma once

#include "platform/win32.h"

// The built-in library's handle while a load of it under moduleName (with ".dll" added as
// LoadLibraryA adds it) is not yet freed; null for any other name and after the last free.
HMODULE HostLoadedLibraryHandle(LPCSTR moduleName);
