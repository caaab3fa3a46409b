// The process's ANSI code page: 932 (Shift-JIS), as on a Japanese Windows, whatever the Linux
// locale. Narrow strings of the system are in this code page; the layer converts them to and
// from UTF-8 where they cross to the operating system.
#pragma once

#include <string>

#include "platform/host/types.h"

#define CP_ACP 0
#define CP_THREAD_ACP 3
#define CP_UTF8 65001

UINT GetACP();

// A thread's locale decides what CP_THREAD_ACP means, and can differ from the process's code
// page: on a Japanese Windows whose formats are English, the thread's is 1252. Every thread
// starts in the Japanese locale (0x0411, code page 932). The layer knows the Japanese and
// English locales (sort order 0) and refuses any other with ERROR_INVALID_PARAMETER. In the
// UTF-8 code page every locale's code page is UTF-8.
using LCID = DWORD;
#define SORT_DEFAULT 0
#define MAKELCID(languageId, sortId)                    \
    (static_cast<LCID>(static_cast<WORD>(languageId)) | \
     (static_cast<LCID>(static_cast<WORD>(sortId)) << 16))
LCID GetThreadLocale();
BOOL SetThreadLocale(LCID locale);

// Host-only: lets a test pick the code page (65001: UTF-8, no lead bytes); 0 restores 932.
void HostSetAnsiCodePage(UINT codePage);
// Host-only: names crossing to and from the operating system, converted as Windows converts
// them (MultiByteToWideChar and WideCharToMultiByte with flags 0). In any code page but 932
// the bytes stay as they are.
std::string HostAnsiToUtf8(const std::string& ansi);
std::string HostUtf8ToAnsi(const std::string& utf8);
