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

// Host-only: lets a test pick the code page (65001: UTF-8, no lead bytes); 0 restores 932.
void HostSetAnsiCodePage(UINT codePage);
// Host-only: names crossing to and from the operating system, converted as Windows converts
// them (MultiByteToWideChar and WideCharToMultiByte with flags 0). In any code page but 932
// the bytes stay as they are.
std::string HostAnsiToUtf8(const std::string& ansi);
std::string HostUtf8ToAnsi(const std::string& utf8);
