#include "platform/host/ansi_path.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>

#include "platform/host/wildcard_match.h"
#include "platform/win32.h"

namespace {

bool IsAsciiLetter(char byte) {
    return (byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z');
}

std::vector<std::string> SplitAtSlashes(const std::string& path) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    while (start <= path.size()) {
        std::size_t end = path.find('/', start);
        if (end == std::string::npos) {
            end = path.size();
        }
        parts.push_back(path.substr(start, end - start));
        start = end + 1;
    }
    return parts;
}

// Only single-byte characters can be dots or spaces at the end: a trail byte never is one.
std::string StripTrailing(std::string component, const char* characters) {
    std::size_t keep = 0;
    for (std::size_t index = 0; index < component.size();) {
        const auto byte = static_cast<unsigned char>(component[index]);
        const std::size_t length = _ismbblead(byte) && index + 1 < component.size() ? 2 : 1;
        index += length;
        if (length == 2 ||
            std::string(characters).find(static_cast<char>(byte)) == std::string::npos) {
            keep = index;
        }
    }
    component.resize(keep);
    return component;
}

std::string WithoutOneTrailingDot(std::string component) {
    if (!component.empty() && component.back() == '.' &&
        StripTrailing(component, ".").size() < component.size()) {
        component.pop_back();
    }
    return component;
}

std::string CurrentOsDirectory() {
    std::vector<char> buffer(256);
    while (getcwd(buffer.data(), buffer.size()) == nullptr) {
        if (errno != ERANGE) {
            return {};
        }
        buffer.resize(buffer.size() * 2);
    }
    return buffer.data();
}

std::string Joined(const std::vector<std::string>& components, char separator) {
    std::string path;
    for (const std::string& component : components) {
        path += separator;
        path += component;
    }
    return path.empty() ? std::string(1, separator) : path;
}

bool IsSeparator(char byte) {
    return byte == '\\' || byte == '/';
}

// The components of a path that starts at the root, '/'-separated.
std::vector<std::string> ResolvedComponents(const std::string& path) {
    const std::vector<std::string> parts = SplitAtSlashes(path);
    std::vector<std::string> components;
    for (std::size_t index = 0; index < parts.size(); ++index) {
        const bool last = index + 1 == parts.size();
        if (parts[index] == "..") {
            if (!components.empty()) {
                components.pop_back();
            }
            continue;
        }
        if (parts[index] == ".") {
            continue;
        }
        // Win32 drops every trailing dot and space of the last component, and one trailing
        // dot of the others.
        const std::string component =
            last ? StripTrailing(parts[index], ". ") : WithoutOneTrailingDot(parts[index]);
        if (!component.empty() || last) {
            components.push_back(component);
        }
    }
    return components;
}

// "//server/share/rest", its separators already slashes: the rest resolves below the share.
HostFullPath UncFullPath(const std::string& path) {
    HostFullPath full;
    full.valid = true;
    full.unc = true;
    const std::size_t serverEnd = std::min(path.find('/', 2), path.size());
    full.server = path.substr(2, serverEnd - 2);
    if (serverEnd == path.size()) {
        return full;
    }
    const std::size_t shareEnd = std::min(path.find('/', serverEnd + 1), path.size());
    full.share = path.substr(serverEnd + 1, shareEnd - serverEnd - 1);
    if (shareEnd < path.size()) {
        full.components = ResolvedComponents(path.substr(shareEnd));
    }
    return full;
}

std::string UncFolder() {
    const char* value = std::getenv("LAUNCHER_HOST_UNC_FOLDER");
    std::string folder = value == nullptr ? std::string() : std::string(value);
    while (folder.size() > 1 && folder.back() == '/') {
        folder.pop_back();
    }
    return folder;
}

bool IsOsDirectory(const std::string& osPath) {
    struct stat status {};
    return stat(osPath.c_str(), &status) == 0 && S_ISDIR(status.st_mode);
}

}  // namespace

std::string HostAnsiPathWithSlashes(const std::string& ansiPath) {
    std::size_t index = 0;
    if (ansiPath.size() >= 2 && IsAsciiLetter(ansiPath[0]) && ansiPath[1] == ':') {
        index = 2;
    }
    std::string result;
    result.reserve(ansiPath.size());
    while (index < ansiPath.size()) {
        const char byte = ansiPath[index];
        if (_ismbblead(static_cast<unsigned char>(byte)) && index + 1 < ansiPath.size()) {
            result.append(ansiPath, index, 2);
            index += 2;
            continue;
        }
        result.push_back(byte == '\\' ? '/' : byte);
        ++index;
    }
    return result;
}

HostFullPath HostFullPathOf(const std::string& ansiPath) {
    // Two leading separators open a UNC name; neither can be a trail byte.
    if (ansiPath.size() >= 2 && IsSeparator(ansiPath[0]) && IsSeparator(ansiPath[1])) {
        return UncFullPath(HostAnsiPathWithSlashes(ansiPath));
    }
    std::string path = HostAnsiPathWithSlashes(ansiPath);
    if (path.empty() || path[0] != '/') {
        const std::string current = CurrentOsDirectory();
        if (current.empty()) {
            return {};
        }
        path = HostUtf8ToAnsi(current) + (path.empty() ? "" : "/" + path);
    }
    HostFullPath full;
    full.valid = true;
    full.components = ResolvedComponents(path);
    return full;
}

DWORD HostShareError(const HostFullPath& full) {
    if (!full.unc) {
        return ERROR_SUCCESS;
    }
    const std::string folder = UncFolder();
    if (folder.empty() || full.server.empty() || full.share.empty() ||
        !HostIsValidName(full.server) ||
        !IsOsDirectory(folder + "/" + HostAnsiToUtf8(full.server))) {
        return ERROR_BAD_NETPATH;
    }
    HostFullPath shareRoot = full;
    shareRoot.components.clear();
    if (!HostIsValidName(full.share) || !IsOsDirectory(HostOsPath(shareRoot))) {
        return ERROR_BAD_NET_NAME;
    }
    return ERROR_SUCCESS;
}

std::string HostOsPath(const HostFullPath& full) {
    if (!full.unc) {
        return HostOsPath(full.components);
    }
    const std::string share =
        UncFolder() + "/" + HostAnsiToUtf8(full.server) + "/" + HostAnsiToUtf8(full.share);
    return full.components.empty() ? share : share + HostOsPath(full.components);
}

std::string HostBackslashPath(const std::vector<std::string>& components) {
    return Joined(components, '\\');
}

std::string HostOsPath(const std::vector<std::string>& components) {
    std::string path = Joined(components, '/');
    return HostAnsiToUtf8(path);
}

std::string HostWindowsPathOfOsPath(const std::string& osPath) {
    std::string prefix = "Z:";
    std::string rest = osPath;
    // Below a share's folder ("<folder>/server/share..."), the path is the share's.
    const std::string folder = UncFolder();
    if (!folder.empty() && folder != "/" &&
        osPath.compare(0, folder.size() + 1, folder + "/") == 0) {
        const std::string below = osPath.substr(folder.size());
        const std::size_t shareStart = below.find('/', 1);
        if (shareStart != std::string::npos && shareStart > 1 && shareStart + 1 < below.size() &&
            below[shareStart + 1] != '/') {
            prefix = "\\";
            rest = below;
        }
    }
    std::string ansi = HostUtf8ToAnsi(rest);
    std::replace(ansi.begin(), ansi.end(), '/', '\\');  // no trail byte is a '/'
    return prefix + ansi;
}

std::string HostToOsPath(const char* ansiPath) {
    const std::string path = ansiPath == nullptr ? "" : ansiPath;
    const std::string slashed = HostAnsiPathWithSlashes(path);
    const std::string folder = UncFolder();
    if (!folder.empty() && path.size() >= 2 && IsSeparator(path[0]) && IsSeparator(path[1])) {
        return folder + HostAnsiToUtf8(slashed.substr(1));
    }
    return HostAnsiToUtf8(slashed);
}
