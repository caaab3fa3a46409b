#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>

#include <cerrno>
#include <string>

#include "platform/host/file_name.h"
#include "platform/win32.h"

namespace {

BOOL Fail(DWORD error) {
    SetLastError(error);
    return FALSE;
}

}  // namespace

BOOL MoveFileExA(LPCSTR existingFileName, LPCSTR newFileName, DWORD flags) {
    if ((flags & ~static_cast<DWORD>(MOVEFILE_REPLACE_EXISTING)) != 0) {
        return Fail(ERROR_INVALID_PARAMETER);
    }
    std::string from;
    std::string to;
    DWORD nameError = HostOsPathOfFileName(existingFileName, from);
    if (nameError == ERROR_SUCCESS) {
        nameError = HostOsPathOfFileName(newFileName, to);
    }
    if (nameError != ERROR_SUCCESS) {
        return Fail(nameError);
    }
    struct stat source {};
    if (lstat(from.c_str(), &source) != 0) {
        return Fail(HostErrorFromErrno(errno, from));
    }
    const bool replace = (flags & MOVEFILE_REPLACE_EXISTING) != 0;
    struct stat target {};
    if (replace && lstat(to.c_str(), &target) == 0) {
        // Windows replaces only a file, and not a read-only one.
        if (S_ISDIR(source.st_mode) || S_ISDIR(target.st_mode) || (target.st_mode & S_IWUSR) == 0) {
            return Fail(ERROR_ACCESS_DENIED);
        }
    }
    // rename(2) swaps the name in one step: a reader opens the old file or the new one.
    const int result =
        replace ? rename(from.c_str(), to.c_str())
                : renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE);
    if (result != 0) {
        switch (errno) {
            case EXDEV:
                return Fail(ERROR_NOT_SAME_DEVICE);
            case EISDIR:
            case ENOTEMPTY:
                return Fail(ERROR_ACCESS_DENIED);
            default:
                return Fail(HostErrorFromErrno(errno, to));
        }
    }
    return TRUE;
}
