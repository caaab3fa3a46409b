// Library loading. "shfolder.dll" is built into the layer: its SHGetFolderPathA gives the
// user's documents folder (XDG_DOCUMENTS_DIR, ~/.config/user-dirs.dirs, else
// $HOME/Documents). Other names load shared objects with dlopen.
#pragma once

#include "platform/host/types.h"

BOOL SetDllDirectoryA(LPCSTR path);
HMODULE LoadLibraryA(LPCSTR fileName);
FARPROC GetProcAddress(HMODULE module, LPCSTR procName);
BOOL FreeLibrary(HMODULE module);
