#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <string>

#include "platform/host/ansi_path.h"
#include "platform/host/wildcard_match.h"
#include "platform/win32.h"

namespace {

BOOL Fail(DWORD error) {
    SetLastError(error);
    return FALSE;
}

}  // namespace

BOOL CreateDirectoryA(LPCSTR path, LPSECURITY_ATTRIBUTES securityAttributes) {
    if (path == nullptr) {
        return Fail(ERROR_INVALID_PARAMETER);
    }
    if (std::strlen(path) >= MAX_PATH) {
        return Fail(ERROR_FILENAME_EXCED_RANGE);
    }
    HostFullPath full = HostFullPathOf(path);
    if (path[0] == '\0' || !full.valid) {
        return Fail(ERROR_PATH_NOT_FOUND);
    }
    const DWORD shareError = HostShareError(full);
    if (shareError != ERROR_SUCCESS) {
        return Fail(shareError);
    }
    // A trailing separator names the directory before it.
    if (!full.components.empty() && full.components.back().empty()) {
        full.components.pop_back();
    }
    if (full.components.empty()) {
        return Fail(ERROR_ALREADY_EXISTS);  // the root, or a share root
    }
    if (!std::all_of(full.components.begin(), full.components.end(), HostIsValidName)) {
        return Fail(ERROR_INVALID_NAME);
    }
    const std::string osPath = HostOsPath(full);
    if (mkdir(osPath.c_str(), 0777) != 0) {
        // Unlike a search, a file on the way is a missing path here, as Wine has it.
        return Fail(errno == ENOENT || errno == ENOTDIR ? ERROR_PATH_NOT_FOUND
                                                        : HostErrorFromErrno(errno, osPath));
    }
    return TRUE;
}
