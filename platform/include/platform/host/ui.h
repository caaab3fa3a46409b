// The user interface on the host: there are no windows. A message box is written to
// standard error (its text converted from the ANSI code page to UTF-8) and answered at once.
#pragma once

#include "platform/host/types.h"

#define MB_OK 0x00000000
#define MB_ICONERROR 0x00000010

#define IDOK 1

// The show commands a starter may hand the launcher, which passes them on.
#define SW_HIDE 0
#define SW_SHOWMINIMIZED 2
#define SW_SHOWMAXIMIZED 3
#define SW_SHOWMINNOACTIVE 7
#define SW_SHOWDEFAULT 10

// Always null: the host has no windows.
HWND GetActiveWindow();

// Writes, in one piece:
//   [message box]            (or "[message box] <caption>" when a caption is given)
//   <text>
//   <empty line>
// and returns IDOK, the answer of the only box the system shows (MB_OK).
int MessageBoxA(HWND owner, LPCSTR text, LPCSTR caption, UINT type);
