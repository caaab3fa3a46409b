// The executable's own resources: the compiled resource file (.res) that the build embeds
// into the executable (see launcher_add_resources). An executable without one links all the
// same and finds nothing. Resources of other modules are not reachable on the host.
#pragma once

#include <cstdint>

#include "platform/host/types.h"

using LANGID = WORD;
using HGLOBAL = HANDLE;
using HRSRC = struct HRSRC__*;

#define MAKEINTRESOURCEA(id) \
    reinterpret_cast<LPSTR>(static_cast<std::uintptr_t>(static_cast<WORD>(id)))
#define MAKEINTRESOURCEW(id) \
    reinterpret_cast<LPWSTR>(static_cast<std::uintptr_t>(static_cast<WORD>(id)))
// As in the SDK, the unsuffixed names follow UNICODE.
#ifdef UNICODE
#define MAKEINTRESOURCE MAKEINTRESOURCEW
#else
#define MAKEINTRESOURCE MAKEINTRESOURCEA
#endif

#define RT_ICON MAKEINTRESOURCE(3)
#define RT_STRING MAKEINTRESOURCE(6)
#define RT_GROUP_ICON MAKEINTRESOURCE(14)
#define RT_MANIFEST MAKEINTRESOURCE(24)
#define RT_VERSION MAKEINTRESOURCE(16)

#define ERROR_RESOURCE_DATA_NOT_FOUND 1812
#define ERROR_RESOURCE_TYPE_NOT_FOUND 1813
#define ERROR_RESOURCE_NAME_NOT_FOUND 1814
#define ERROR_RESOURCE_LANG_NOT_FOUND 1815

// The executable's handle for a null name; the built-in "shfolder.dll" while it is loaded;
// other names are not known (ERROR_MOD_NOT_FOUND).
HMODULE GetModuleHandleA(LPCSTR moduleName);
HMODULE GetModuleHandleW(LPCWSTR moduleName);

// 1041 (Japanese) when the ANSI code page is 932, else 1033 (English, United States).
LANGID GetUserDefaultUILanguage();

// Type and name are integer ids (MAKEINTRESOURCEW); a string names nothing here (no caller
// looks resources up by name), and null ones are ERROR_INVALID_PARAMETER. A language whose primary
// language is LANG_NEUTRAL picks among the resource's languages as Windows does: the neutral one,
// else the user's UI language, else English (United States), else the first in the file. Any other
// language must match.
HRSRC FindResourceExW(HMODULE module, LPCWSTR type, LPCWSTR name, WORD language);
// Note the order: name before type. The language is chosen as for LANG_NEUTRAL.
HRSRC FindResourceW(HMODULE module, LPCWSTR name, LPCWSTR type);
HGLOBAL LoadResource(HMODULE module, HRSRC resource);
LPVOID LockResource(HGLOBAL loaded);
DWORD SizeofResource(HMODULE module, HRSRC resource);
