// Path splitting and full paths of the C run-time. Backslash and slash both separate.
#pragma once

#include <cstddef>

#define _MAX_DRIVE 3
#define _MAX_DIR 256
#define _MAX_FNAME 256
#define _MAX_EXT 256

// Each output may be null; each must hold its _MAX_ width.
void _splitpath(const char* path, char* drive, char* directory, char* name, char* extension);
// The absolute path of a relative or absolute name, "." and ".." resolved, in the ANSI
// code page; null when it does not fit size bytes. A null buffer returns a malloc'd copy.
char* _fullpath(char* buffer, const char* path, std::size_t size);
