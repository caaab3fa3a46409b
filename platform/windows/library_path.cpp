#include "platform/library_path.h"

std::string ToLibraryPath(const std::string& ansiPath) {
    return ansiPath;
}
