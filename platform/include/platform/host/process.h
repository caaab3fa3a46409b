// The running process: its id and its executable's path.
#pragma once

#include "platform/host/types.h"

// The executable's path in the ANSI code page, Windows-shaped as Z:\dir\name (the host's
// root is drive Z:); a null module means the executable. Like
// Windows, a path that does not fit is cut and terminated, and the result is the size.
DWORD GetModuleFileNameA(HMODULE module, LPSTR fileName, DWORD size);

// The process's id, unique among running processes.
DWORD GetCurrentProcessId();
