// Paths as the libraries we link take them.
#pragma once

#include <string>

// As this platform's C and C++ run-times open a narrow path, and as a log4cxx properties value
// names a file: on Windows the ANSI path as it is; on the host UTF-8 with '/' separators and no
// drive prefix, a UNC path in the host layer's share folder.
std::string ToLibraryPath(const std::string& ansiPath);

// Sets the variable in this process's environment to the path, as log4cxx reads a "${name}"
// reference in a properties value: on Windows the ANSI path (log4cxx reads the environment as
// UTF-16), on the host ToLibraryPath's. Returns false when it could not be set.
bool SetLibraryPathVariable(const char* name, const std::string& ansiPath);

// As log4cxx::File takes a narrow path: UTF-8, log4cxx's charset for narrow text whatever the
// locale. On Windows the ANSI path converted, its separators kept; on the host ToLibraryPath's.
std::string ToLog4cxxPath(const std::string& ansiPath);
