#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <string>

#include "platform/host/ansi_path.h"
#include "platform/win32.h"

namespace {

std::size_t CharacterLength(const char* text) {
    return _ismbblead(static_cast<unsigned char>(text[0])) && text[1] != '\0' ? 2 : 1;
}

// Copies the first length bytes of source into a field of width bytes, terminator
// included: a longer piece is cut before the first character that does not fit whole.
void CopyField(char* field, std::size_t width, const char* source, std::size_t length) {
    if (field == nullptr) {
        return;
    }
    const std::size_t limit = std::min(length, width - 1);
    std::size_t copied = 0;
    while (copied < limit) {
        const std::size_t characterLength = CharacterLength(source + copied);
        if (copied + characterLength > limit) {
            break;
        }
        copied += characterLength;
    }
    std::memcpy(field, source, copied);
    field[copied] = '\0';
}

}  // namespace

void _splitpath(const char* path, char* drive, char* directory, char* name, char* extension) {
    if (path == nullptr) {
        path = "";
    }
    const char* rest = path;
    if (path[0] != '\0' && path[1] == ':') {
        CopyField(drive, _MAX_DRIVE, path, 2);
        rest += 2;
    } else {
        CopyField(drive, _MAX_DRIVE, path, 0);
    }

    const char* afterLastSeparator = nullptr;
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

    if (afterLastSeparator != nullptr) {
        CopyField(directory, _MAX_DIR, rest, static_cast<std::size_t>(afterLastSeparator - rest));
        rest = afterLastSeparator;
    } else {
        CopyField(directory, _MAX_DIR, rest, 0);
    }
    if (lastDot != nullptr && lastDot >= rest) {
        CopyField(name, _MAX_FNAME, rest, static_cast<std::size_t>(lastDot - rest));
        CopyField(extension, _MAX_EXT, lastDot, static_cast<std::size_t>(end - lastDot));
    } else {
        CopyField(name, _MAX_FNAME, rest, static_cast<std::size_t>(end - rest));
        CopyField(extension, _MAX_EXT, rest, 0);
    }
}

char* _fullpath(char* buffer, const char* path, std::size_t size) {
    const HostFullPath full = HostFullPathOf(path == nullptr ? "" : path);
    if (!full.valid) {
        return nullptr;  // errno from getcwd
    }
    const std::string absolute = HostWindowsPath(full.components);

    // Without a buffer the run-time allocates MAX_PATH bytes and ignores the size.
    const std::size_t limit = buffer == nullptr ? MAX_PATH : size;
    if (absolute.size() + 1 > limit) {
        errno = ERANGE;
        return nullptr;
    }
    if (buffer == nullptr) {
        buffer = static_cast<char*>(std::malloc(absolute.size() + 1));
        if (buffer == nullptr) {
            errno = ENOMEM;
            return nullptr;
        }
    }
    std::memcpy(buffer, absolute.c_str(), absolute.size() + 1);
    return buffer;
}
