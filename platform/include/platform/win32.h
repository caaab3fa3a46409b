// The one door through which the system reaches Win32 and the C run-time.
// On Windows it is the real SDK; on the Linux host it is our own small layer that
// provides the same names with the contract the system relies on.
#pragma once

#ifdef _WIN32
#include <windows.h>
#include <objbase.h>
#include <oleauto.h>
#include <mbstring.h>
#include <shlobj.h>
#include <stdlib.h>
#include <time.h>
#else
#include "platform/host/types.h"
#include "platform/host/codepage.h"
#include "platform/host/crt_mbstring.h"
#include "platform/host/crt_path.h"
#include "platform/host/crt_time.h"
#include "platform/host/errors.h"
#include "platform/host/files.h"
#include "platform/host/library.h"
#include "platform/host/process.h"
#include "platform/host/com.h"
#include "platform/host/bstr.h"
#include "platform/host/text.h"
#include "platform/host/resources.h"
#include "platform/host/startup.h"
#include "platform/host/ui.h"
#endif
