// The shell's folder-path lookup, tried for the folder's current path and, when asked, once
// more for its default path with the folder created when missing.
#pragma once

#include "platform/win32.h"

using FolderPathFunction = HRESULT(WINAPI*)(HWND owner, int folder, HANDLE token, DWORD flags,
                                            LPSTR path);

// True when a lookup reports success and leaves a non-empty path in buffer. The retry writes
// over what the first lookup left; buffer is not cleared in between.
bool LookUpFolderPath(FolderPathFunction lookUp, char* buffer, int folder, bool retryWithCreate);
