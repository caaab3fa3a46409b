// A narrow file name of a Win32 call on one file, made the host path it names.
#pragma once

#include <string>

#include "platform/host/types.h"

// Sets osPath to the UTF-8 host path of the full name and returns ERROR_SUCCESS, or returns
// the code Win32 gives such a name: ERROR_INVALID_PARAMETER (null), ERROR_FILENAME_EXCED_RANGE
// (MAX_PATH bytes or more), ERROR_PATH_NOT_FOUND (empty, or no full path can be formed),
// ERROR_INVALID_NAME (a component holding a wildcard, < > | " or a control character).
DWORD HostOsPathOfFileName(LPCSTR name, std::string& osPath);
