#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string>

#include "platform/host/file_name.h"
#include "platform/win32.h"

BOOL DeleteFileA(LPCSTR fileName) {
    std::string osPath;
    const DWORD nameError = HostOsPathOfFileName(fileName, osPath);
    if (nameError != ERROR_SUCCESS) {
        SetLastError(nameError);
        return FALSE;
    }
    struct stat status {};
    if (lstat(osPath.c_str(), &status) != 0) {
        SetLastError(HostErrorFromErrno(errno, osPath));
        return FALSE;
    }
    // Windows deletes neither a directory nor a read-only file here.
    if (S_ISDIR(status.st_mode) || (status.st_mode & S_IWUSR) == 0) {
        SetLastError(ERROR_ACCESS_DENIED);
        return FALSE;
    }
    if (unlink(osPath.c_str()) != 0) {
        SetLastError(HostErrorFromErrno(errno, osPath));
        return FALSE;
    }
    return TRUE;
}
