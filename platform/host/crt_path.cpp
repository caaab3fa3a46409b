#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>

#include "platform/host/ansi_path.h"
#include "platform/win32.h"

namespace {

std::size_t CharacterLength(const char* text) {
    return _ismbblead(static_cast<unsigned char>(text[0])) && text[1] != '\0' ? 2 : 1;
}

void CopyField(char* field, const char* source, std::size_t length) {
    if (field != nullptr) {
        std::memcpy(field, source, length);
        field[length] = '\0';
    }
}

bool IsSeparator(char byte) {
    return byte == '\\' || byte == '/';
}

// Win32 forms a full path in UTF-16: the name goes through the code page and back, so a
// character with two codes comes out with its usual one, and a lead byte that ends the name
// is lost.
std::string ThroughUnicode(std::string ansi) {
    std::size_t index = 0;
    while (index < ansi.size()) {
        if (CharacterLength(ansi.c_str() + index) == 2) {
            index += 2;
        } else if (_ismbblead(static_cast<unsigned char>(ansi[index]))) {
            ansi.resize(index);
        } else {
            ++index;
        }
    }
    return HostUtf8ToAnsi(HostAnsiToUtf8(ansi));
}

// The length of a UNC path's root: two separators, the server, one separator, the share and
// the separators that follow it, which Win32 keeps as they stand.
std::size_t UncRootLength(const std::string& path) {
    std::size_t index = 2;
    for (int part = 0; part < 2 && index < path.size(); ++part) {
        while (index < path.size() && !IsSeparator(path[index])) {
            index += CharacterLength(path.c_str() + index);
        }
        if (part == 0 && index < path.size()) {
            ++index;  // the separator after the server
        }
    }
    while (index < path.size() && IsSeparator(path[index])) {
        ++index;
    }
    return index;
}

// The host has one root, which every drive names; the current directory is on Z:, and any
// other drive's current directory is its root. Like Win32, any one character before a colon
// is a drive. A UNC path keeps its root as it stands.
std::optional<std::string> WindowsFullPath(const std::string& path) {
    std::string rest = ThroughUnicode(path);
    std::string prefix = "Z:";
    const std::size_t first = rest.empty() ? 0 : CharacterLength(rest.c_str());
    if (rest.size() > first && rest[first] == ':' && !IsSeparator(rest[0])) {
        const bool rooted = rest.size() > first + 1 && IsSeparator(rest[first + 1]);
        const bool currentDrive = first == 1 && (rest[0] == 'Z' || rest[0] == 'z');
        if (rooted || !currentDrive) {
            prefix = rest.substr(0, first + 1);
        }
        rest = (rooted || currentDrive ? "" : "\\") + rest.substr(first + 1);
    } else if (rest.size() >= 2 && IsSeparator(rest[0]) && IsSeparator(rest[1])) {
        const std::size_t rootLength = UncRootLength(rest);
        prefix = rest.substr(0, rootLength);
        std::replace_if(prefix.begin(), prefix.end(), IsSeparator, '\\');  // no trail byte is one
        const std::string body = rest.substr(rootLength);
        if (body.empty()) {
            return prefix;
        }
        // The body resolves below the root; the root's own trailing separator joins them.
        const HostFullPath full = HostFullPathOf("\\" + body);
        const std::string joined = HostBackslashPath(full.components);
        return IsSeparator(prefix.back()) ? prefix + joined.substr(1) : prefix + joined;
    }
    // After a drive, a run of separators is one, not the start of a UNC name.
    while (rest.size() >= 2 && IsSeparator(rest[0]) && IsSeparator(rest[1])) {
        rest.erase(0, 1);
    }
    const HostFullPath full = HostFullPathOf(rest);
    if (!full.valid) {
        return std::nullopt;
    }
    return prefix + HostBackslashPath(full.components);
}

}  // namespace

void _splitpath(const char* path, char* drive, char* directory, char* name, char* extension) {
    if (path == nullptr) {
        path = "";
    }
    const char* rest = path;
    std::size_t driveLength = 0;
    if (path[0] != '\0' && path[1] == ':') {
        driveLength = 2;
        rest += 2;
    }

    const char* afterLastSeparator = rest;
    const char* lastDot = nullptr;
    for (const char* cursor = rest; *cursor != '\0'; cursor += CharacterLength(cursor)) {
        if (CharacterLength(cursor) == 2) {
            continue;
        }
        if (*cursor == '\\' || *cursor == '/') {
            afterLastSeparator = cursor + 1;
        } else if (*cursor == '.') {
            lastDot = cursor;
        }
    }
    const char* end = rest + std::strlen(rest);
    const char* nameEnd = lastDot != nullptr && lastDot >= afterLastSeparator ? lastDot : end;

    const std::size_t directoryLength = static_cast<std::size_t>(afterLastSeparator - rest);
    const std::size_t nameLength = static_cast<std::size_t>(nameEnd - afterLastSeparator);
    const std::size_t extensionLength = static_cast<std::size_t>(end - nameEnd);
    // Like the run-time, a piece that does not fit its field empties every field.
    if (directoryLength >= _MAX_DIR || nameLength >= _MAX_FNAME || extensionLength >= _MAX_EXT) {
        driveLength = 0;
        rest = afterLastSeparator = nameEnd = end;
    }
    CopyField(drive, path, driveLength);
    CopyField(directory, rest, static_cast<std::size_t>(afterLastSeparator - rest));
    CopyField(name, afterLastSeparator, static_cast<std::size_t>(nameEnd - afterLastSeparator));
    CopyField(extension, nameEnd, static_cast<std::size_t>(end - nameEnd));
}

char* _fullpath(char* buffer, const char* path, std::size_t size) {
    const std::optional<std::string> absolute = WindowsFullPath(path == nullptr ? "" : path);
    if (!absolute) {
        return nullptr;  // errno from getcwd
    }

    // Without a buffer the run-time allocates MAX_PATH bytes and ignores the size.
    const std::size_t limit = buffer == nullptr ? MAX_PATH : size;
    if (absolute->size() + 1 > limit) {
        errno = ERANGE;
        return nullptr;
    }
    if (buffer == nullptr) {
        buffer = static_cast<char*>(std::malloc(absolute->size() + 1));
        if (buffer == nullptr) {
            errno = ENOMEM;
            return nullptr;
        }
    }
    std::memcpy(buffer, absolute->c_str(), absolute->size() + 1);
    return buffer;
}
