// File time conversions over the edges of their range.
#include <cstdint>
#include <cstdio>

#include "probe_find_entry.h"
#include "probe_sections.h"

namespace {

FILETIME ToFileTime(std::uint64_t value) {
    FILETIME time;
    time.dwLowDateTime = static_cast<DWORD>(value);
    time.dwHighDateTime = static_cast<DWORD>(value >> 32);
    return time;
}

std::string SystemTimeText(const SYSTEMTIME& time) {
    char text[64];
    std::snprintf(text, sizeof text, "%u-%02u-%02u(%u) %02u:%02u:%02u.%03u",
                  static_cast<unsigned>(time.wYear), static_cast<unsigned>(time.wMonth),
                  static_cast<unsigned>(time.wDay), static_cast<unsigned>(time.wDayOfWeek),
                  static_cast<unsigned>(time.wHour), static_cast<unsigned>(time.wMinute),
                  static_cast<unsigned>(time.wSecond), static_cast<unsigned>(time.wMilliseconds));
    return text;
}

// 100 ns units from 1601: the Unix epoch, the largest SYSTEMTIME (30827-12-31 23:59:59.999),
// and the signed and unsigned tops.
constexpr std::uint64_t kJstOffset = 9ULL * 3600 * 10000000;
constexpr std::uint64_t kLargestSystemTime = 0x7FFF35F4F06C7FFFULL;
const std::uint64_t kValues[] = {
    0,
    1,
    10000000,
    kJstOffset - 1,
    kJstOffset,
    116444736000000000ULL,
    116444736000000000ULL + 9999999,
    0x01D0000000000000ULL,
    kLargestSystemTime - kJstOffset,
    kLargestSystemTime - kJstOffset + 1,
    kLargestSystemTime,
    kLargestSystemTime + 1,
    0x7FFFFFFFFFFFFFFFULL - kJstOffset,
    0x7FFFFFFFFFFFFFFFULL - kJstOffset + 1,
    0x7FFFFFFFFFFFFFFFULL,
    0x8000000000000000ULL,
    0xFFFFFFFFFFFFFFFFULL,
};

}  // namespace

void ProbeFileTimes(const ProbeContext&, ProbeOutput& output) {
    for (const std::uint64_t value : kValues) {
        const FILETIME time = ToFileTime(value);
        const std::string key = FileTimeText(time);
        FILETIME local = {0xEEEEEEEE, 0xEEEEEEEE};
        SetLastError(0);
        const BOOL localOk = FileTimeToLocalFileTime(&time, &local);
        output.Line("filetime", "FileTimeToLocalFileTime." + key,
                    ResultWithError(localOk, GetLastError()) + " " + FileTimeText(local));
        SYSTEMTIME system = {};
        SetLastError(0);
        const BOOL systemOk = FileTimeToSystemTime(&time, &system);
        output.Line("filetime", "FileTimeToSystemTime." + key,
                    ResultWithError(systemOk, GetLastError()) +
                        (systemOk ? " " + SystemTimeText(system) : std::string()));
    }
}
