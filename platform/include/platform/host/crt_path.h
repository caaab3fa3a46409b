// Path splitting and full paths of the C run-time. Backslash and slash both separate.
#pragma once

#include <cstddef>

#define _MAX_DRIVE 3
#define _MAX_DIR 256
#define _MAX_FNAME 256
#define _MAX_EXT 256

// Each output may be null; each must hold its _MAX_ width. When a directory, name or
// extension does not fit its field, every field is left empty, as the run-time does.
void _splitpath(const char* path, char* drive, char* directory, char* name, char* extension);
// The absolute path of a relative or absolute name against the current directory, as Win32
// forms it from the text alone (the path need not exist): through UTF-16 and back, "." and
// ".." resolved, trailing dots of every component and trailing spaces of the last stripped,
// a trailing separator kept. Windows-shaped in the ANSI code page, with backslashes: the
// host's one root is every drive; the current directory is on Z: (Z:\work\a), another
// drive's is its root (C:a gives C:\a), and a UNC path keeps its form. Null with errno
// ERANGE when it does not fit size bytes. A null buffer returns a malloc'd copy of at most
// MAX_PATH bytes.
char* _fullpath(char* buffer, const char* path, std::size_t size);
