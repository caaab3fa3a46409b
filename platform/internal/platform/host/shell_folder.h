// The shell-folder lookup that the built-in "shfolder.dll" exports.
#pragma once

#include "platform/win32.h"

// SHGetFolderPathA for CSIDL_PERSONAL, with or without CSIDL_FLAG_CREATE (other flag bits are
// ignored); any other folder is E_INVALIDARG. A folder that does not exist gives S_FALSE and an
// empty path unless the flag asks for it to be made (with its parents). The path is
// Windows-shaped (Z:\home\user\Documents, the host's root being drive Z:; on a share, the
// share's name) and must fit MAX_PATH bytes.
HRESULT WINAPI BuiltinShGetFolderPathA(HWND owner, int folder, HANDLE token, DWORD flags,
                                       LPSTR path);
