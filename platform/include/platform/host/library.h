// Library loading. "shfolder.dll" is built into the layer: its SHGetFolderPathA, of the
// Windows type HRESULT (WINAPI*)(HWND, int, HANDLE, DWORD, LPSTR), gives the user's documents
// folder (XDG_DOCUMENTS_DIR, the user-dirs.dirs file of XDG_CONFIG_HOME or ~/.config, else
// $HOME/Documents). Other names load shared objects with dlopen; a name without a separator
// is searched for as dlopen searches, never in the current directory.
#pragma once

#include <optional>
#include <string>

#include "platform/host/types.h"

BOOL SetDllDirectoryA(LPCSTR path);
HMODULE LoadLibraryA(LPCSTR fileName);
FARPROC GetProcAddress(HMODULE module, LPCSTR procName);
BOOL FreeLibrary(HMODULE module);
// The directory SetDllDirectoryA set, "" when none: its length when it fits bufferLength with
// its terminator, else the length the buffer needs, terminator included, and "" in the buffer.
DWORD GetDllDirectoryA(DWORD bufferLength, LPSTR buffer);

// Host-only, for tests: the last directory given to SetDllDirectoryA (none after a null
// one), and how many loads of the built-in "shfolder.dll" are not yet freed.
std::optional<std::string> HostDllDirectory();
int HostBuiltinLibraryReferences();
