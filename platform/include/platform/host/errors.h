// The calling thread's last-error code, and the Win32 codes the system and its tests look at.
#pragma once

#include <string>

#include "platform/host/types.h"

#define ERROR_SUCCESS 0
#define ERROR_FILE_NOT_FOUND 2
#define ERROR_PATH_NOT_FOUND 3
#define ERROR_ACCESS_DENIED 5
#define ERROR_INVALID_HANDLE 6
#define ERROR_NOT_ENOUGH_MEMORY 8
#define ERROR_NOT_SAME_DEVICE 17
#define ERROR_NO_MORE_FILES 18
#define ERROR_GEN_FAILURE 31
#define ERROR_BAD_NETPATH 53
#define ERROR_BAD_NET_NAME 67
#define ERROR_INVALID_PARAMETER 87
#define ERROR_INSUFFICIENT_BUFFER 122
#define ERROR_INVALID_NAME 123
#define ERROR_MOD_NOT_FOUND 126
#define ERROR_PROC_NOT_FOUND 127
#define ERROR_ALREADY_EXISTS 183
#define ERROR_FILENAME_EXCED_RANGE 206

DWORD GetLastError();
void SetLastError(DWORD code);

// Host-only: the Win32 code for an errno value that a call on osPath (a UTF-8 host path)
// failed with. ENOENT becomes ERROR_FILE_NOT_FOUND when the parent directory exists and
// ERROR_PATH_NOT_FOUND when it does not, as Windows tells a missing file from a missing path.
DWORD HostErrorFromErrno(int error, const std::string& osPath);
