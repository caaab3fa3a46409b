// The executable's own resources: the compiled resource file (.res) that the build embeds
// into the executable (see launcher_add_resources). An executable without one links all the
// same and finds nothing. Resources of other modules are not reachable on the host.
#pragma once

#include <cstdint>

#include "platform/host/types.h"

using LANGID = WORD;
using HGLOBAL = HANDLE;
using HRSRC = struct HRSRC__*;

// As in the SDK without UNICODE: the RT_ names are narrow, so wide calls spell the id with
// MAKEINTRESOURCEW.
#define IS_INTRESOURCE(resource) ((reinterpret_cast<std::uintptr_t>(resource) >> 16) == 0)
#define MAKEINTRESOURCEA(id) \
    reinterpret_cast<LPSTR>(static_cast<std::uintptr_t>(static_cast<WORD>(id)))
#define MAKEINTRESOURCEW(id) \
    reinterpret_cast<LPWSTR>(static_cast<std::uintptr_t>(static_cast<WORD>(id)))
#define MAKEINTRESOURCE MAKEINTRESOURCEA
#define RT_STRING MAKEINTRESOURCE(6)
#define RT_RCDATA MAKEINTRESOURCE(10)
#define RT_MANIFEST MAKEINTRESOURCE(24)

#define MAKELANGID(primary, sub) \
    static_cast<WORD>((static_cast<WORD>(sub) << 10) | static_cast<WORD>(primary))
#define PRIMARYLANGID(language) static_cast<WORD>(static_cast<WORD>(language) & 0x3FF)
#define SUBLANGID(language) static_cast<WORD>(static_cast<WORD>(language) >> 10)
#define LANG_NEUTRAL 0x00
#define LANG_ENGLISH 0x09
#define LANG_JAPANESE 0x11
#define SUBLANG_NEUTRAL 0x00
#define SUBLANG_DEFAULT 0x01

#define ERROR_RESOURCE_DATA_NOT_FOUND 1812
#define ERROR_RESOURCE_TYPE_NOT_FOUND 1813
#define ERROR_RESOURCE_NAME_NOT_FOUND 1814
#define ERROR_RESOURCE_LANG_NOT_FOUND 1815

// The executable's handle for a null name; other names are not known (ERROR_MOD_NOT_FOUND).
HMODULE GetModuleHandleA(LPCSTR moduleName);
HMODULE GetModuleHandleW(LPCWSTR moduleName);

// 1041 (Japanese) when the ANSI code page is 932, else 1033 (English, United States).
LANGID GetUserDefaultUILanguage();

// Type and name are integer ids (MAKEINTRESOURCEW), names compared without regard to ASCII
// case, or "#<decimal id>". A language whose primary language is LANG_NEUTRAL picks among
// the resource's languages as Windows does: the neutral one, else the user's UI language,
// else English (United States), else the first in the file. Any other language must match.
HRSRC FindResourceExW(HMODULE module, LPCWSTR type, LPCWSTR name, WORD language);
// Note the order: name before type. The language is chosen as for LANG_NEUTRAL.
HRSRC FindResourceW(HMODULE module, LPCWSTR name, LPCWSTR type);
HGLOBAL LoadResource(HMODULE module, HRSRC resource);
LPVOID LockResource(HGLOBAL loaded);
DWORD SizeofResource(HMODULE module, HRSRC resource);
