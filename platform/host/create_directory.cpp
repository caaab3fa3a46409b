#include <sys/stat.h>

#include <cerrno>
#include <cstring>
#include <string>

#include "platform/win32.h"

BOOL CreateDirectoryA(LPCSTR path, LPSECURITY_ATTRIBUTES securityAttributes) {
    if (path == nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    if (std::strlen(path) >= MAX_PATH) {
        SetLastError(ERROR_FILENAME_EXCED_RANGE);
        return FALSE;
    }
    const std::string osPath = HostToOsPath(path);
    if (osPath.empty()) {
        SetLastError(ERROR_PATH_NOT_FOUND);
        return FALSE;
    }
    if (mkdir(osPath.c_str(), 0777) != 0) {
        // mkdir's ENOENT always means a directory on the way is missing.
        SetLastError(errno == ENOENT ? ERROR_PATH_NOT_FOUND : HostErrorFromErrno(errno, osPath));
        return FALSE;
    }
    return TRUE;
}
