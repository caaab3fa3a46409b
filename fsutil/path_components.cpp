#include "fsutil/path_components.h"

#include <cstring>

#include "fsutil/mbcs_string.h"

PathComponentLengths MeasurePathComponents(const char* path) {
    PathComponentLengths lengths{};
    const std::size_t total = std::strlen(path);
    if (total >= 2 && path[1] == ':') {
        lengths.drive = 2;
    }

    std::size_t directoryEnd = lengths.drive;
    std::size_t lastDot = total;
    for (std::size_t index = lengths.drive; index < total; ++index) {
        if (IsLeadByte(path[index])) {
            ++index;
            continue;
        }
        if (path[index] == '\\' || path[index] == '/') {
            directoryEnd = index + 1;
            lastDot = total;
        } else if (path[index] == '.') {
            lastDot = index;
        }
    }

    lengths.directory = directoryEnd - lengths.drive;
    lengths.extension = total - lastDot;
    lengths.fileName = lastDot - directoryEnd;
    return lengths;
}
