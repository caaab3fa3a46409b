// Directory search, directory creation and file-time conversion over POSIX.
// Names are narrow strings in the ANSI code page; backslash and slash both separate, and a
// leading drive prefix such as "C:" is dropped (the host has one file-system root), so
// C:\data\a.txt names /data/a.txt. A backslash inside a host file name cannot be
// reached. Names are limited to MAX_PATH bytes with the terminator, as the Win32 "A" calls.
#pragma once

#include <string>

#include "platform/host/types.h"

// Host-only: the UTF-8 host path of a narrow name, with the rules above.
std::string HostToOsPath(const char* ansiPath);

// Wildcards as Windows has them in the last component: '*' and '?' (a double-byte character
// is one), ASCII letters compared case-insensitively, and "*.*" matches every name. A
// wildcard search of a directory lists "." and ".." first. A name without wildcards finds
// that one entry, file or directory, as the host's file system spells it (case-sensitively).
// Attributes: DIRECTORY; READONLY for a file its owner may not write; HIDDEN for a name that
// starts with a dot (not "." and ".."); NORMAL when none applies. The creation time is the
// status-change time, POSIX keeping no birth time. Entries that vanish while listed, dangling
// links and names of MAX_PATH bytes or more in the ANSI code page are passed over.
// Failures: ERROR_FILE_NOT_FOUND (no match, or a name ending in a separator),
// ERROR_PATH_NOT_FOUND (a directory missing or a file on the way),
// ERROR_FILENAME_EXCED_RANGE (a pattern of MAX_PATH bytes or more), ERROR_INVALID_PARAMETER
// (null arguments); FindNextFileA ends with ERROR_NO_MORE_FILES.
HANDLE FindFirstFileA(LPCSTR pattern, WIN32_FIND_DATAA* findData);
BOOL FindNextFileA(HANDLE search, WIN32_FIND_DATAA* findData);
BOOL FindClose(HANDLE search);

// One directory, made with mode 0777 less the umask; a trailing separator is allowed.
// ERROR_ALREADY_EXISTS when the name is taken, ERROR_PATH_NOT_FOUND when a directory above
// is missing, ERROR_ACCESS_DENIED when refused.
BOOL CreateDirectoryA(LPCSTR path, LPSECURITY_ATTRIBUTES securityAttributes);

// Local time with the offset in force now (the process's TZ), as Windows converts.
BOOL FileTimeToLocalFileTime(const FILETIME* fileTime, FILETIME* localFileTime);
// FALSE for a time past the year 30827, which a SYSTEMTIME cannot hold.
BOOL FileTimeToSystemTime(const FILETIME* fileTime, SYSTEMTIME* systemTime);
