#include "calendar/calendar_date.h"

#include <algorithm>
#include <array>
#include <limits>

#include "calendar/local_date_triple.h"

namespace {

constexpr std::array<std::int32_t, 12> kMonthLengths = {31, 28, 31, 30, 31, 30,
                                                        31, 31, 30, 31, 30, 31};

// Days from 0001-01-01 to 1758-01-01, the serial's day 0: 1757 years of 365 days and 425 leap
// days (439 fourth years, less 17 centuries, plus 4 fourth centuries).
constexpr std::int64_t kDaysBeforeEpoch = 641731;

// The serial of 1 January of year y (from year 1 on): the days of the whole years before it,
// counted from 0001-01-01, less the epoch's. In 64 bits: an out-of-range serial reaches years
// near 11.8 million, whose day counts overflow 32 bits.
constexpr std::int64_t DaysBeforeYear64(std::int64_t y) {
    const std::int64_t yearsBefore = y - 1;
    return 365 * yearsBefore + yearsBefore / 4 - yearsBefore / 100 + yearsBefore / 400 -
           kDaysBeforeEpoch;
}
static_assert(DaysBeforeYear64(1758) == 0, "the epoch is serial 0");

// The serial as an unsigned day count: negative serials then name far-future days instead of
// years before 1758 that the day-of-year walk cannot handle.
constexpr std::int64_t UnsignedSerial(std::int32_t serial) {
    return static_cast<std::uint32_t>(serial);
}

std::int32_t MonthLength(std::int32_t year, std::int32_t month) {
    if (month == 2 && CalendarDate::IsLeapYear(year)) {
        return 29;
    }
    return kMonthLengths[month - 1];
}

// Years that do not fit 32 bits are out of range anyway; saturating keeps them out of range
// without overflow.
std::int32_t SaturateToInt32(std::int64_t value) {
    constexpr std::int64_t lowest = std::numeric_limits<std::int32_t>::min();
    constexpr std::int64_t highest = std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(std::clamp(value, lowest, highest));
}

}  // namespace

CalendarDate::CalendarDate(std::int32_t serial)
    : serial(serial), year(0), month(0), day(0), adjusted(false) {
    UpdateFields();
}

CalendarDate::CalendarDate(std::int32_t year, std::int32_t month, std::int32_t day)
    : serial(0), year(0), month(0), day(0), adjusted(false) {
    SetDate(year, month, day);
}

void CalendarDate::SetDate(std::int32_t requestedYear, std::int32_t requestedMonth,
                           std::int32_t requestedDay) {
    // Only one year is borrowed for months up to 0, so -12 and below stay invalid; months
    // above 12 carry as many years as they hold.
    std::int64_t normalisedYear = requestedYear;
    std::int32_t normalisedMonth = requestedMonth;
    if (normalisedMonth <= 0) {
        normalisedYear -= 1;
        normalisedMonth += 12;
    } else if (normalisedMonth > 12) {
        normalisedYear += (normalisedMonth - 1) / 12;
        normalisedMonth = (normalisedMonth - 1) % 12 + 1;
    }
    const std::int32_t checkedYear = SaturateToInt32(normalisedYear);

    serial = 0;
    if (IsValidDate(checkedYear, normalisedMonth, requestedDay)) {
        const std::int32_t requestedSerial = DaysBeforeYear(checkedYear) +
                                             DaysBeforeMonth(checkedYear, normalisedMonth) +
                                             requestedDay - 1;
        serial = requestedSerial > kLastSerial ? 0 : requestedSerial;
    }
    UpdateFields();
    adjusted = year != checkedYear || month != normalisedMonth || day != requestedDay;
}

CalendarDate& CalendarDate::SetToday() {
    const LocalDateTriple today;
    SetDate(today.year, today.month, today.day);
    return *this;
}

void CalendarDate::UpdateFields() {
    year = YearFromSerial(serial);
    month = MonthFromSerial(serial, year);
    day = DayFromSerial(serial, year, month);
}

bool CalendarDate::IsValidDate(std::int32_t year, std::int32_t month, std::int32_t day) {
    // The day is deliberately not held against its month: SetDate rolls it over instead.
    return year >= kFirstYear && year <= kLastYear && month >= 1 && month <= 12 && day >= 1 &&
           day <= 31;
}

bool CalendarDate::IsLeapYear(std::int32_t year) {
    if (year % 400 == 0) {
        return true;
    }
    if (year % 100 == 0) {
        return false;
    }
    return year % 4 == 0;
}

std::int32_t CalendarDate::DaysBeforeYear(std::int32_t year) {
    return static_cast<std::int32_t>(DaysBeforeYear64(year));
}

std::int32_t CalendarDate::DaysBeforeMonth(std::int32_t year, std::int32_t month) {
    // Clamped so that no month reads past the length table.
    const std::int32_t end = std::clamp(month, 1, 13);
    std::int32_t days = 0;
    for (std::int32_t m = 1; m < end; ++m) {
        days += MonthLength(year, m);
    }
    return days;
}

std::int32_t CalendarDate::YearFromSerial(std::int32_t serial) {
    const std::int64_t s = UnsignedSerial(serial);
    const std::int64_t n = s + kDaysBeforeEpoch;
    const std::int64_t c400 = n / 146097;
    std::int64_t r = n - 146097 * c400;
    const std::int64_t c100 = r / 36524;
    r -= 36524 * c100;
    const std::int64_t c4 = r / 1461;
    r -= 1461 * c4;
    const std::int64_t c1 = r / 365;
    // Whole years before the day: one short of its year, except on the last day of a 4- or
    // 400-year cycle, where the remainder already counts that year as complete.
    const std::int64_t y = 400 * c400 + 100 * c100 + 4 * c4 + c1;
    return static_cast<std::int32_t>(s >= DaysBeforeYear64(y + 1) ? y + 1 : y);
}

std::int32_t CalendarDate::MonthFromSerial(std::int32_t serial, std::int32_t year) {
    std::int64_t dayOfYear = UnsignedSerial(serial) - DaysBeforeYear64(year);
    std::int32_t month = 1;
    while (month < 12 && dayOfYear >= MonthLength(year, month)) {
        dayOfYear -= MonthLength(year, month);
        ++month;
    }
    return month;
}

std::int32_t CalendarDate::DayFromSerial(std::int32_t serial, std::int32_t year,
                                         std::int32_t month) {
    return static_cast<std::int32_t>(UnsignedSerial(serial) - DaysBeforeYear64(year) -
                                     DaysBeforeMonth(year, month) + 1);
}
