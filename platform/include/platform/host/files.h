// Directory search, directory creation and file-time conversion over POSIX.
// Names are narrow strings in the ANSI code page; backslash and slash both separate, and a
// leading drive prefix such as "C:" is dropped (the host has one file-system root).
#pragma once

#include "platform/host/types.h"

// Wildcards as Windows has them in the last component: '*' and '?', ASCII letters
// compared case-insensitively, "*.*" matches every name; "." and ".." are listed in
// directories. A name without wildcards finds that one entry.
HANDLE FindFirstFileA(LPCSTR pattern, WIN32_FIND_DATAA* findData);
BOOL FindNextFileA(HANDLE search, WIN32_FIND_DATAA* findData);
BOOL FindClose(HANDLE search);

BOOL CreateDirectoryA(LPCSTR path, LPSECURITY_ATTRIBUTES securityAttributes);

BOOL FileTimeToLocalFileTime(const FILETIME* fileTime, FILETIME* localFileTime);
BOOL FileTimeToSystemTime(const FILETIME* fileTime, SYSTEMTIME* systemTime);
