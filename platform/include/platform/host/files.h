// Directory search, directory creation and file-time conversion over POSIX.
// Names are narrow strings in the ANSI code page; backslash and slash both separate, and any
// drive prefix, or none, names the host's one file-system root (drive Z: where the layer
// hands paths out), so C:\data\a.txt names /data/a.txt. A UNC path \\srv\share\a names
// <folder>/srv/share/a, where LAUNCHER_HOST_UNC_FOLDER names <folder> (as Wine's
// dosdevices/unc); without it, or without that server, ERROR_BAD_NETPATH, and without that
// share ERROR_BAD_NET_NAME. Paths are made full as Win32 makes
// them ("." and ".." resolved by the text, trailing dots of each component and trailing
// spaces of the last dropped). A backslash inside a host file name cannot be reached. Names
// are limited to MAX_PATH bytes with the terminator, as the Win32 "A" calls.
#pragma once

#include "platform/host/types.h"

// Wildcards in the last component as wildcard_match.h has them. A wildcard search of a
// directory lists "." and ".." first. A name without wildcards finds that one entry, file or
// directory, as the host's file system spells it (case-sensitively); "<dir>\." and
// "<dir>\.." find the directory they name, under its own name.
// Attributes: DIRECTORY alone for a directory; ARCHIVE for a file, with READONLY when its
// owner may not write it; HIDDEN as well for a name that starts with a dot (not "." and
// ".."). The creation time is the status-change time, POSIX keeping no birth time. Entries
// that vanish while listed, dangling links and names of MAX_PATH bytes or more in the ANSI
// code page are passed over.
// A share root (\\srv\share) is not found, as Windows documents, with ERROR_BAD_NET_NAME
// as Windows gives it (Wine finds the share).
// Failures, as Wine gives them: ERROR_FILE_NOT_FOUND (no match, the root, a name ending in a
// separator, a name with < > | " or a control character), ERROR_PATH_NOT_FOUND (an empty
// pattern, a directory missing or a file higher up), ERROR_INVALID_NAME (the directory to
// search is a file, or a directory component holds a wildcard or a refused character),
// ERROR_FILENAME_EXCED_RANGE (a pattern of MAX_PATH bytes or more), ERROR_INVALID_PARAMETER
// (null arguments). FindNextFileA ends with ERROR_NO_MORE_FILES; it and FindClose give
// ERROR_INVALID_HANDLE for a handle that is not an open search (closed ones included).
HANDLE FindFirstFileA(LPCSTR pattern, WIN32_FIND_DATAA* findData);
BOOL FindNextFileA(HANDLE search, WIN32_FIND_DATAA* findData);
BOOL FindClose(HANDLE search);

// One directory, made with mode 0777 less the umask; a trailing separator is allowed.
// ERROR_ALREADY_EXISTS when the name is taken (the root and a share root too),
// ERROR_PATH_NOT_FOUND when a
// directory above is missing or a file, ERROR_INVALID_NAME when a component holds a wildcard,
// < > | " or a control character, ERROR_ACCESS_DENIED when refused.
BOOL CreateDirectoryA(LPCSTR path, LPSECURITY_ATTRIBUTES securityAttributes);

// One file removed. ERROR_ACCESS_DENIED for a directory or a read-only file (one its owner
// may not write), as Windows refuses both; a missing one as a search reports it.
BOOL DeleteFileA(LPCSTR fileName);

#define MOVEFILE_REPLACE_EXISTING 0x00000001

// Renames a file or directory in one step with rename(2)'s meaning: whoever opens the new
// name sees the old file or the moved one, never neither. Only MOVEFILE_REPLACE_EXISTING is
// known (anything else is ERROR_INVALID_PARAMETER); with it a file in the way is replaced,
// as Windows does, unless it is a directory or read-only, or the one moved is a directory
// (ERROR_ACCESS_DENIED); without it, a name in the way is ERROR_ALREADY_EXISTS. Across file
// systems ERROR_NOT_SAME_DEVICE.
BOOL MoveFileExA(LPCSTR existingFileName, LPCSTR newFileName, DWORD flags);

// Local time with the offset in force now (the process's TZ), as Windows converts; any value
// is taken, the sum wrapping around 2^64.
BOOL FileTimeToLocalFileTime(const FILETIME* fileTime, FILETIME* localFileTime);
// ERROR_INVALID_PARAMETER for a time with the top bit set; 0x7FFFFFFFFFFFFFFF is
// 30828-09-14 02:48:05.477.
BOOL FileTimeToSystemTime(const FILETIME* fileTime, SYSTEMTIME* systemTime);
