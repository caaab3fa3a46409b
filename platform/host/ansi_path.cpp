#include "platform/host/ansi_path.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>

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
    std::string path = HostAnsiPathWithSlashes(ansiPath);
    if (path.empty() || path[0] != '/') {
        const std::string current = CurrentOsDirectory();
        if (current.empty()) {
            return {};
        }
        path = HostUtf8ToAnsi(current) + (path.empty() ? "" : "/" + path);
    }
    const std::vector<std::string> parts = SplitAtSlashes(path);
    HostFullPath full{true, {}};
    for (std::size_t index = 0; index < parts.size(); ++index) {
        const bool last = index + 1 == parts.size();
        if (parts[index] == "..") {
            if (!full.components.empty()) {
                full.components.pop_back();
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
            full.components.push_back(component);
        }
    }
    return full;
}

std::string HostBackslashPath(const std::vector<std::string>& components) {
    return Joined(components, '\\');
}

std::string HostOsPath(const std::vector<std::string>& components) {
    std::string path = Joined(components, '/');
    return HostAnsiToUtf8(path);
}

std::string HostWindowsPathOfOsPath(const std::string& osPath) {
    std::string ansi = HostUtf8ToAnsi(osPath);
    std::replace(ansi.begin(), ansi.end(), '/', '\\');  // no trail byte is a '/'
    return "Z:" + ansi;
}

std::string HostToOsPath(const char* ansiPath) {
    return HostAnsiToUtf8(HostAnsiPathWithSlashes(ansiPath == nullptr ? "" : ansiPath));
}
