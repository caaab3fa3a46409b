#include "platform/library_path.h"

#include <stdlib.h>

#include "platform/host/ansi_path.h"
#include "platform/win32.h"

std::string ToLibraryPath(const std::string& ansiPath) {
    return HostToOsPath(ansiPath.c_str());
}

std::string ToLog4cxxPath(const std::string& ansiPath) {
    return ToLibraryPath(ansiPath);
}

bool SetLibraryPathVariable(const char* name, const std::string& ansiPath) {
    return setenv(name, ToLibraryPath(ansiPath).c_str(), 1) == 0;
}
