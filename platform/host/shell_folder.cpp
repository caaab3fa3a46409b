#include "platform/host/shell_folder.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>

#include "platform/host/ansi_path.h"

namespace {

std::string Environment(const char* name) {
    const char* value = std::getenv(name);
    return value == nullptr ? std::string() : std::string(value);
}

// "$HOME" and "$HOME/..." as the user-dirs file writes them; other absolute paths as they
// are; anything else is no usable value.
std::string ExpandHome(const std::string& value) {
    static const std::string kHome = "$HOME";
    if (value.compare(0, kHome.size(), kHome) == 0 &&
        (value.size() == kHome.size() || value[kHome.size()] == '/')) {
        const std::string home = Environment("HOME");
        return home.empty() ? std::string() : home + value.substr(kHome.size());
    }
    return !value.empty() && value[0] == '/' ? value : std::string();
}

// The last XDG_DOCUMENTS_DIR="..." line of the user-dirs file, as the shell that reads it
// would take it.
std::string DocumentsFromUserDirs() {
    std::string configHome = Environment("XDG_CONFIG_HOME");
    if (configHome.empty() || configHome[0] != '/') {
        const std::string home = Environment("HOME");
        if (home.empty()) {
            return {};
        }
        configHome = home + "/.config";
    }
    std::ifstream file(configHome + "/user-dirs.dirs");
    static const std::string kKey = "XDG_DOCUMENTS_DIR=\"";
    std::string found;
    for (std::string line; std::getline(file, line);) {
        const std::size_t start = line.find_first_not_of(" \t");
        if (start == std::string::npos || line.compare(start, kKey.size(), kKey) != 0) {
            continue;
        }
        std::string value;
        bool closed = false;
        for (std::size_t index = start + kKey.size(); index < line.size(); ++index) {
            if (line[index] == '\\' && index + 1 < line.size()) {
                value += line[++index];
            } else if (line[index] == '"') {
                closed = true;
                break;
            } else {
                value += line[index];
            }
        }
        const std::string expanded = closed ? ExpandHome(value) : std::string();
        if (!expanded.empty()) {
            found = expanded;
        }
    }
    return found;
}

std::string DocumentsFolder() {
    std::string folder = ExpandHome(Environment("XDG_DOCUMENTS_DIR"));
    if (folder.empty()) {
        folder = DocumentsFromUserDirs();
    }
    if (folder.empty()) {
        const std::string home = Environment("HOME");
        folder = home.empty() ? std::string() : home + "/Documents";
    }
    while (folder.size() > 1 && folder.back() == '/') {
        folder.pop_back();
    }
    return folder;
}

bool IsDirectory(const std::string& osPath) {
    struct stat status {};
    return stat(osPath.c_str(), &status) == 0 && S_ISDIR(status.st_mode);
}

// Makes the folder and every missing one above it; the Win32 code of the failure if any.
DWORD CreateFolderTree(const std::string& osPath) {
    for (std::size_t slash = osPath.find('/', 1);; slash = osPath.find('/', slash + 1)) {
        const std::string prefix = osPath.substr(0, slash);
        if (mkdir(prefix.c_str(), 0777) != 0 && !(errno == EEXIST && IsDirectory(prefix))) {
            return HostErrorFromErrno(errno, prefix);
        }
        if (slash == std::string::npos) {
            return ERROR_SUCCESS;
        }
    }
}

}  // namespace

HRESULT WINAPI BuiltinShGetFolderPathA(HWND owner, int folder, HANDLE token, DWORD flags,
                                       LPSTR path) {
    // The low byte is the folder id, the rest flags; only CSIDL_FLAG_CREATE changes anything.
    if (path == nullptr || (folder & 0xFF) != CSIDL_PERSONAL) {
        return E_INVALIDARG;
    }
    path[0] = '\0';
    const std::string osFolder = DocumentsFolder();
    const std::string ansiFolder = HostWindowsPathOfOsPath(osFolder);
    if (osFolder.empty() || ansiFolder.size() >= MAX_PATH) {
        return E_FAIL;
    }
    if (!IsDirectory(osFolder)) {
        if ((folder & CSIDL_FLAG_CREATE) == 0) {
            return S_FALSE;
        }
        const DWORD error = CreateFolderTree(osFolder);
        if (error != ERROR_SUCCESS) {
            SetLastError(error);
            return E_FAIL;
        }
    }
    std::memcpy(path, ansiFolder.c_str(), ansiFolder.size() + 1);
    return S_OK;
}
