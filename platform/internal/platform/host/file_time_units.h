// FILETIME arithmetic: 100-nanosecond ticks since 1601-01-01 00:00 UTC.
#pragma once

#include <cstdint>
#include <ctime>

#include "platform/host/types.h"

constexpr std::int64_t kFileTimeTicksPerSecond = 10'000'000;
constexpr std::int64_t kSecondsFrom1601To1970 = 11'644'473'600;
// FileTimeToSystemTime takes no FILETIME with the top bit set; the largest is in 30828.
constexpr std::uint64_t kLargestFileTimeTicks = 0x7FFF'FFFF'FFFF'FFFF;

inline std::uint64_t FileTimeTicks(const FILETIME& fileTime) {
    return static_cast<std::uint64_t>(fileTime.dwHighDateTime) << 32 | fileTime.dwLowDateTime;
}

inline FILETIME FileTimeOfTicks(std::uint64_t ticks) {
    return {static_cast<DWORD>(ticks & 0xFFFF'FFFF), static_cast<DWORD>(ticks >> 32)};
}

// A host time stamp as a FILETIME; one before 1601 becomes 0.
inline FILETIME FileTimeOfTimespec(const std::timespec& time) {
    const std::int64_t seconds = static_cast<std::int64_t>(time.tv_sec) + kSecondsFrom1601To1970;
    if (seconds < 0) {
        return FileTimeOfTicks(0);
    }
    return FileTimeOfTicks(static_cast<std::uint64_t>(seconds) * kFileTimeTicksPerSecond +
                           static_cast<std::uint64_t>(time.tv_nsec) / 100);
}
