// Byte lengths of the drive, directory, file name and extension that the run-time's path
// splitting would make of a path, found by the same lead-byte-aware rule. The run-time
// writes each part into a fixed buffer without checking its length, so a part too long for
// its field has to be caught before the split.
#pragma once

#include <cstddef>

struct PathComponentLengths {
    std::size_t drive;
    std::size_t directory;
    std::size_t fileName;
    std::size_t extension;
};

PathComponentLengths MeasurePathComponents(const char* path);
