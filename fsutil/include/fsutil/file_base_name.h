// The base name of a path: its file name without the directory and without the last
// extension (my.tool.exe gives my.tool), found by the run-time's lead-byte-aware rule, so the
// trail byte of a double-byte character is never a separator or a dot.
#pragma once

#include <cstddef>
#include <string>

// A name longer than limit bytes is cut to the longest whole-character prefix that fits, so
// it goes into a field of limit bytes and a terminator whatever the directory's length.
std::string FileBaseName(const std::string& path, std::size_t limit);
