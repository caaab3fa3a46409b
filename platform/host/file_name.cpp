#include "platform/host/file_name.h"

#include <algorithm>
#include <cstring>

#include "platform/host/ansi_path.h"
#include "platform/host/wildcard_match.h"
#include "platform/win32.h"

DWORD HostOsPathOfFileName(LPCSTR name, std::string& osPath) {
    if (name == nullptr) {
        return ERROR_INVALID_PARAMETER;
    }
    if (std::strlen(name) >= MAX_PATH) {
        return ERROR_FILENAME_EXCED_RANGE;
    }
    const HostFullPath full = HostFullPathOf(name);
    if (name[0] == '\0' || !full.valid) {
        return ERROR_PATH_NOT_FOUND;
    }
    if (!std::all_of(full.components.begin(), full.components.end(), HostIsValidName)) {
        return ERROR_INVALID_NAME;
    }
    // A name on a share lies in the share's folder, as the search and directory calls see it.
    const DWORD shareError = HostShareError(full);
    if (shareError != ERROR_SUCCESS) {
        return shareError;
    }
    osPath = HostOsPath(full);
    return ERROR_SUCCESS;
}
