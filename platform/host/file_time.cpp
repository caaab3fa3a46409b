#include <cstdint>
#include <ctime>

#include "platform/host/file_time_units.h"
#include "platform/win32.h"

namespace {

constexpr std::int64_t kTicksPerDay = kFileTimeTicksPerSecond * 86'400;
constexpr std::int64_t kDaysFrom1601To1970 = 134'774;

// The current offset of local time from UTC, in seconds east.
long CurrentUtcOffset() {
    tzset();
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    if (localtime_r(&now, &local) == nullptr) {
        return 0;
    }
    return local.tm_gmtoff;
}

struct CivilDate {
    std::int64_t year;
    unsigned month;
    unsigned day;
};

// Proleptic Gregorian date of a day count from 1970-01-01.
CivilDate CivilFromDays(std::int64_t days) {
    days += 719'468;
    const std::int64_t era = (days >= 0 ? days : days - 146'096) / 146'097;
    const auto dayOfEra = static_cast<unsigned>(days - era * 146'097);
    const unsigned yearOfEra =
        (dayOfEra - dayOfEra / 1'460 + dayOfEra / 36'524 - dayOfEra / 146'096) / 365;
    const unsigned dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const unsigned shiftedMonth = (5 * dayOfYear + 2) / 153;
    const unsigned day = dayOfYear - (153 * shiftedMonth + 2) / 5 + 1;
    const unsigned month = shiftedMonth < 10 ? shiftedMonth + 3 : shiftedMonth - 9;
    const std::int64_t year = static_cast<std::int64_t>(yearOfEra) + era * 400 + (month <= 2);
    return {year, month, day};
}

BOOL InvalidParameter() {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
}

}  // namespace

// Like Windows, the offset in force now applies to every time, whatever its season. Like
// Wine, every value is taken and the sum wraps around 2^64: 0x7FFFFFFFFFFFFFFF in JST gives
// 0x8000004B6FE7A7FF, which FileTimeToSystemTime then refuses.
BOOL FileTimeToLocalFileTime(const FILETIME* fileTime, FILETIME* localFileTime) {
    if (fileTime == nullptr || localFileTime == nullptr) {
        return InvalidParameter();
    }
    const auto offset = static_cast<std::uint64_t>(static_cast<std::int64_t>(CurrentUtcOffset()) *
                                                   kFileTimeTicksPerSecond);
    *localFileTime = FileTimeOfTicks(FileTimeTicks(*fileTime) + offset);
    return TRUE;
}

BOOL FileTimeToSystemTime(const FILETIME* fileTime, SYSTEMTIME* systemTime) {
    if (fileTime == nullptr || systemTime == nullptr) {
        return InvalidParameter();
    }
    const std::uint64_t ticks = FileTimeTicks(*fileTime);
    if (ticks > kLargestFileTimeTicks) {
        return InvalidParameter();
    }
    const auto days = static_cast<std::int64_t>(ticks / kTicksPerDay);
    const auto ticksOfDay = static_cast<std::int64_t>(ticks % kTicksPerDay);
    const CivilDate date = CivilFromDays(days - kDaysFrom1601To1970);
    const std::int64_t secondsOfDay = ticksOfDay / kFileTimeTicksPerSecond;
    systemTime->wYear = static_cast<WORD>(date.year);
    systemTime->wMonth = static_cast<WORD>(date.month);
    systemTime->wDay = static_cast<WORD>(date.day);
    systemTime->wDayOfWeek = static_cast<WORD>((days + 1) % 7);  // 1601-01-01 was a Monday
    systemTime->wHour = static_cast<WORD>(secondsOfDay / 3'600);
    systemTime->wMinute = static_cast<WORD>(secondsOfDay / 60 % 60);
    systemTime->wSecond = static_cast<WORD>(secondsOfDay % 60);
    systemTime->wMilliseconds = static_cast<WORD>(ticksOfDay % kFileTimeTicksPerSecond / 10'000);
    return TRUE;
}
