// A path in the form the libraries we link (log4cxx) open on this platform: on Windows the
// narrow ANSI path as it is; on the host UTF-8 with '/' separators and no drive prefix.
#pragma once

#include <string>

std::string ToLibraryPath(const std::string& ansiPath);
