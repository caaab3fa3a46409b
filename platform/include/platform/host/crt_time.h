// The C run-time's explicit 64-bit time calls, under the Windows run-time's names.
#pragma once

#include <cstdint>
#include <ctime>

using __time64_t = std::int64_t;

__time64_t _time64(__time64_t* destination);
// Like the Windows run-time, the result points at storage of the calling thread that the
// next call overwrites; null for a time outside the run-time's range, 1970-01-01 00:00:00 to
// 3000-12-31 23:59:59 UTC.
struct tm* _localtime64(const __time64_t* time);
// -1 for a local time outside that range.
__time64_t _mktime64(struct tm* time);
