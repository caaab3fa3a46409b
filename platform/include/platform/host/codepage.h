// The process's ANSI code page. It is 932 (Shift-JIS) when the locale (LC_ALL, LC_CTYPE,
// LANG: the first one set wins) is Japanese, unset, "C" or "POSIX", and 65001 (UTF-8, no
// lead bytes) otherwise. Narrow strings of the system are in this code page; the layer
// converts them to and from UTF-8 where a name crosses to the operating system.
#pragma once

#include <string>

#include "platform/host/types.h"

#define CP_ACP 0
#define CP_THREAD_ACP 3
#define CP_UTF8 65001

// The locale is read once, at the first call, as a Windows process's code page is fixed.
UINT GetACP();

// Host-only: lets a test pick the code page; 0 reads the locale again.
void HostSetAnsiCodePage(UINT codePage);
// Host-only: names crossing to and from the operating system. A character that does not
// convert becomes one '?'. In any code page but 932 the bytes stay as they are.
std::string HostAnsiToUtf8(const std::string& ansi);
std::string HostUtf8ToAnsi(const std::string& utf8);
