// A date placed in the Japanese era calendar.
#pragma once

#include <cstdint>

#include "calendar/calendar_date.h"

struct EraDate {
    explicit EraDate(const CalendarDate& date);

    std::int32_t eraYear;
    std::int32_t month;
    std::int32_t day;
    std::int32_t eraIndex;
};

// 0 to 20: the number of era start dates on or before the date.
std::int32_t EraIndexOf(const CalendarDate& date);
// Year 1 runs from the era's start to the end of that Gregorian year; era 0 counts from 1751.
std::int32_t EraYearOf(const CalendarDate& date);
