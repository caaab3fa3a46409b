// File times as the C run-time's 64-bit calendar time: seconds since 1970-01-01 00:00 UTC,
// taken through the local time zone the way the run-time's mktime reads a local time.
#pragma once

#include "platform/win32.h"

// 0 when the file time cannot be converted; otherwise as SystemTimeToTime64 of its local
// time. daylight is the tm_isdst given to mktime (-1: the run-time decides).
__time64_t FileTimeToTime64(const FILETIME& fileTime, int daylight);

// 0 for a year before 1900; -1 when the run-time cannot represent the time.
__time64_t SystemTimeToTime64(const SYSTEMTIME& systemTime, int daylight);
