// A native path as paths from the platform spell it: Windows-shaped on both builds, the host's
// root being drive Z: (as under Wine). A path that does not start at '/' is one already. Test
// paths are ASCII, so every '/' is a separator.
#pragma once

#include <string>

inline std::string WindowsShaped(std::string path) {
    if (path.empty() || path[0] != '/') {
        return path;
    }
    for (char& byte : path) {
        byte = byte == '/' ? '\\' : byte;
    }
    return "Z:" + path;
}
