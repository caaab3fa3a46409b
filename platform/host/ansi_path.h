// Narrow paths of the system on their way to the host's file system.
#pragma once

#include <string>

// The path with a leading drive prefix ("C:") dropped and every backslash that is a
// character of its own (not the trail byte of a double-byte character) turned into '/'.
// Still in the ANSI code page, where no trail byte is a '/', so the result splits at '/'
// byte by byte.
std::string HostAnsiPathWithSlashes(const std::string& ansiPath);
