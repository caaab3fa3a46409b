// One Gregorian day, held as a serial day number and as year, month and day derived from it.
// Day 0 is 1758-01-01 and doubles as the mark of a rejected date; 9999-12-31 is day 3010327.
#pragma once

#include <cstdint>

class CalendarDate {
  public:
    static constexpr std::int32_t kFirstYear = 1758;
    static constexpr std::int32_t kLastYear = 9999;
    static constexpr std::int32_t kLastSerial = 3010327;

    // A serial outside 0 to kLastSerial is read as an unsigned day count, so the fields
    // name some day up to the year 11,760,979 rather than garbage.
    explicit CalendarDate(std::int32_t serial);
    CalendarDate(std::int32_t year, std::int32_t month, std::int32_t day);

    // Months outside 1 to 12 carry into the year first; a day beyond its month rolls over
    // into the next month. A rejected date stores serial 0.
    void SetDate(std::int32_t year, std::int32_t month, std::int32_t day);
    // The local date of the machine's clock, or a rejected date (serial 0) when the clock
    // cannot be read.
    CalendarDate& SetToday();
    void UpdateFields();

    static bool IsValidDate(std::int32_t year, std::int32_t month, std::int32_t day);
    static bool IsLeapYear(std::int32_t year);
    // Exact for years 1758 to 10000; far beyond them the serial no longer fits 32 bits.
    static std::int32_t DaysBeforeYear(std::int32_t year);
    // Months below 1 count as January and above 12 as the end of the year.
    static std::int32_t DaysBeforeMonth(std::int32_t year, std::int32_t month);
    static std::int32_t YearFromSerial(std::int32_t serial);
    static std::int32_t MonthFromSerial(std::int32_t serial, std::int32_t year);
    static std::int32_t DayFromSerial(std::int32_t serial, std::int32_t year, std::int32_t month);

    std::int32_t serial;
    std::int32_t year;
    std::int32_t month;
    std::int32_t day;
    bool adjusted;
};
