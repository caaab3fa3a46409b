// File times built from calendar times by the documented epoch arithmetic, independent of the
// conversions under test.
#pragma once

#include <cstdint>

#include "platform/win32.h"

inline FILETIME FileTimeFromUnixSeconds(std::int64_t seconds) {
    constexpr std::int64_t kSecondsFrom1601To1970 = 11644473600;
    const auto ticks = static_cast<std::uint64_t>((seconds + kSecondsFrom1601To1970) * 10000000);
    return FILETIME{static_cast<DWORD>(ticks & 0xFFFFFFFFu), static_cast<DWORD>(ticks >> 32)};
}
