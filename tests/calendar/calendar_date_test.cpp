#include "calendar/calendar_date.h"

#include <cstdint>
#include <limits>

#include <gtest/gtest.h>

#include "civil_reference.h"

namespace {

constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();

struct Ymd {
    std::int32_t year;
    std::int32_t month;
    std::int32_t day;
};

::testing::AssertionResult HoldsDate(const CalendarDate& date, const Ymd& expected) {
    if (date.year == expected.year && date.month == expected.month && date.day == expected.day) {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure()
           << "holds " << date.year << '-' << date.month << '-' << date.day << ", expected "
           << expected.year << '-' << expected.month << '-' << expected.day;
}

TEST(CalendarDate, SerialNumbersOfKnownDays) {
    struct Case {
        Ymd date;
        std::int32_t serial;
    };
    const Case cases[] = {
        {{1758, 1, 1}, 0},       {{1758, 1, 2}, 1},         {{1758, 12, 31}, 364},
        {{1800, 1, 1}, 15340},   {{1900, 1, 1}, 51864},     {{1900, 3, 1}, 51923},
        {{1970, 1, 1}, 77431},   {{2000, 1, 1}, 88388},     {{2000, 2, 29}, 88447},
        {{2000, 12, 31}, 88753}, {{2019, 5, 1}, 95448},     {{2024, 3, 1}, 97214},
        {{2026, 12, 6}, 98224},  {{9999, 12, 31}, 3010327},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.serial);
        const CalendarDate fromFields(c.date.year, c.date.month, c.date.day);
        EXPECT_EQ(fromFields.serial, c.serial);
        EXPECT_TRUE(HoldsDate(fromFields, c.date));
        EXPECT_FALSE(fromFields.adjusted);

        const CalendarDate fromSerial(c.serial);
        EXPECT_EQ(fromSerial.serial, c.serial);
        EXPECT_TRUE(HoldsDate(fromSerial, c.date));
        EXPECT_FALSE(fromSerial.adjusted);
    }
}

struct SetDateCase {
    Ymd requested;
    Ymd stored;
    bool adjusted;
};

void ExpectSetDate(const SetDateCase& c) {
    SCOPED_TRACE(::testing::Message() << "requested " << c.requested.year << ", "
                                      << c.requested.month << ", " << c.requested.day);
    // Start from a date unlike any expected result, so stale fields cannot pass.
    CalendarDate date(2026, 12, 6);
    date.adjusted = !c.adjusted;
    date.SetDate(c.requested.year, c.requested.month, c.requested.day);
    EXPECT_TRUE(HoldsDate(date, c.stored));
    EXPECT_EQ(date.serial, SerialOf(c.stored.year, c.stored.month, c.stored.day));
    EXPECT_EQ(date.adjusted, c.adjusted);

    const CalendarDate constructed(c.requested.year, c.requested.month, c.requested.day);
    EXPECT_EQ(constructed.serial, date.serial);
    EXPECT_EQ(constructed.adjusted, c.adjusted);
}

TEST(CalendarDateSetDate, LeapDaysAndMonthEndsRollOver) {
    const SetDateCase cases[] = {
        {{2024, 2, 29}, {2024, 2, 29}, false},
        {{2000, 2, 29}, {2000, 2, 29}, false},
        {{2023, 2, 29}, {2023, 3, 1}, true},
        {{1900, 2, 29}, {1900, 3, 1}, true},
        {{2100, 2, 29}, {2100, 3, 1}, true},
        {{2024, 2, 30}, {2024, 3, 1}, true},
        {{2024, 2, 31}, {2024, 3, 2}, true},
        {{2023, 2, 31}, {2023, 3, 3}, true},
        {{2024, 4, 31}, {2024, 5, 1}, true},
        {{2024, 11, 31}, {2024, 12, 1}, true},
        {{9999, 11, 31}, {9999, 12, 1}, true},
        {{1758, 1, 1}, {1758, 1, 1}, false},
        // Carried into a common year first, then held against that year's February.
        {{2024, 14, 29}, {2025, 3, 1}, true},
        {{9999, 12, 31}, {9999, 12, 31}, false},
    };
    for (const SetDateCase& c : cases) {
        ExpectSetDate(c);
    }
}

TEST(CalendarDateSetDate, MonthsOutsideTheYearCarryWithoutAdjusting) {
    const SetDateCase cases[] = {
        {{2024, 0, 15}, {2023, 12, 15}, false}, {{2024, -11, 1}, {2023, 1, 1}, false},
        {{2024, 13, 1}, {2025, 1, 1}, false},   {{2024, 24, 1}, {2025, 12, 1}, false},
        {{2024, 25, 3}, {2026, 1, 3}, false},   {{1759, 0, 1}, {1758, 12, 1}, false},
        {{9998, 13, 1}, {9999, 1, 1}, false},   {{1758, 97, 31}, {1766, 1, 31}, false},
        {{2024, 14, 28}, {2025, 2, 28}, false},
    };
    for (const SetDateCase& c : cases) {
        ExpectSetDate(c);
    }
}

TEST(CalendarDateSetDate, RejectedRequestsStoreSerialZero) {
    const Ymd rejected[] = {
        {2024, -12, 1},
        {2024, -13, 1},
        {2024, 4, 0},
        {2024, 12, 32},
        {1757, 12, 31},
        {1758, 0, 1},
        {9999, 13, 1},
        {10000, 1, 1},
        {2024, 1, -1},
        {0, 0, 0},
        // Extremes whose normalisation overflows 32 bits when done naively.
        {kMax, 13, 1},
        {kMin, 0, 1},
        {2024, kMax, 1},
        {2024, kMin, 1},
        {kMax, kMax, kMax},
        {kMin, kMin, kMin},
        {kMin, 1, 1},
        {kMax, 12, 31},
    };
    for (const Ymd& r : rejected) {
        ExpectSetDate({r, {1758, 1, 1}, true});
    }
}

TEST(CalendarDate, IsValidDateChecksRangesButNotMonthLengths) {
    struct Case {
        Ymd date;
        bool valid;
    };
    const Case cases[] = {
        {{1758, 1, 1}, true},    {{9999, 12, 31}, true},   {{2023, 2, 31}, true},
        {{1757, 12, 31}, false}, {{10000, 1, 1}, false},   {{2024, 0, 1}, false},
        {{2024, 13, 1}, false},  {{2024, 1, 0}, false},    {{2024, 1, 32}, false},
        {{kMin, 1, 1}, false},   {{2024, kMax, 1}, false}, {{2024, 1, kMin}, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CalendarDate::IsValidDate(c.date.year, c.date.month, c.date.day), c.valid)
            << c.date.year << '-' << c.date.month << '-' << c.date.day;
    }
}

TEST(CalendarDate, IsLeapYearFollowsTheGregorianRule) {
    struct Case {
        std::int32_t year;
        bool leap;
    };
    const Case cases[] = {
        {1600, true},  {1700, false}, {1758, false}, {1760, true},  {1800, false},
        {1900, false}, {1996, true},  {2000, true},  {2023, false}, {2024, true},
        {2100, false}, {2400, true},  {9996, true},  {9999, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CalendarDate::IsLeapYear(c.year), c.leap) << c.year;
    }
}

TEST(CalendarDate, DaysBeforeYearOfKnownYears) {
    struct Case {
        std::int32_t year;
        std::int32_t days;
    };
    const Case cases[] = {
        {1758, 0}, {2024, 97154}, {2025, 97520}, {2026, 97885}, {2001, 88754}, {10000, 3010328},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CalendarDate::DaysBeforeYear(c.year), c.days) << c.year;
    }
}

TEST(CalendarDate, DaysBeforeYearMatchesTheReferenceForEveryYear) {
    for (std::int32_t year = 1758; year <= 10000; ++year) {
        ASSERT_EQ(CalendarDate::DaysBeforeYear(year), SerialOf(year, 1, 1)) << year;
    }
}

TEST(CalendarDate, DaysBeforeMonthInCommonAndLeapYears) {
    const std::int32_t common[12] = {0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334};
    const std::int32_t leap[12] = {0, 31, 60, 91, 121, 152, 182, 213, 244, 274, 305, 335};
    struct Case {
        std::int32_t year;
        const std::int32_t* expected;
    };
    const Case cases[] = {{2023, common}, {1900, common}, {2100, common},
                          {2024, leap},   {2000, leap},   {1760, leap}};
    for (const Case& c : cases) {
        for (std::int32_t month = 1; month <= 12; ++month) {
            EXPECT_EQ(CalendarDate::DaysBeforeMonth(c.year, month), c.expected[month - 1])
                << c.year << '-' << month;
        }
    }
}

TEST(CalendarDate, DaysBeforeMonthOutsideTheYearStaysWithinIt) {
    struct Case {
        std::int32_t year;
        std::int32_t month;
        std::int32_t days;
    };
    const Case cases[] = {
        {2024, 0, 0}, {2024, kMin, 0}, {2024, 13, 366}, {2023, 14, 365}, {2023, kMax, 365},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CalendarDate::DaysBeforeMonth(c.year, c.month), c.days)
            << c.year << '-' << c.month;
    }
}

TEST(CalendarDate, SerialToFieldsAtCycleEnds) {
    struct Case {
        std::int32_t serial;
        Ymd date;
    };
    // The last days of 4-, 100- and 400-year cycles are where the whole-year count already
    // equals the year.
    const Case cases[] = {
        {0, {1758, 1, 1}},       {88753, {2000, 12, 31}}, {88754, {2001, 1, 1}},
        {98224, {2026, 12, 6}},  {87292, {1996, 12, 31}}, {51863, {1899, 12, 31}},
        {52228, {1900, 12, 31}}, {15339, {1799, 12, 31}}, {3010327, {9999, 12, 31}},
        {88446, {2000, 2, 28}},  {88447, {2000, 2, 29}},  {88448, {2000, 3, 1}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.serial);
        const std::int32_t year = CalendarDate::YearFromSerial(c.serial);
        const std::int32_t month = CalendarDate::MonthFromSerial(c.serial, year);
        const std::int32_t day = CalendarDate::DayFromSerial(c.serial, year, month);
        EXPECT_EQ(year, c.date.year);
        EXPECT_EQ(month, c.date.month);
        EXPECT_EQ(day, c.date.day);
        EXPECT_EQ(SerialOf(c.date.year, c.date.month, c.date.day), c.serial);
    }
}

TEST(CalendarDate, UpdateFieldsFollowsAChangedSerial) {
    CalendarDate date(2026, 12, 6);
    date.serial = 95448;
    date.UpdateFields();
    EXPECT_TRUE(HoldsDate(date, {2019, 5, 1}));
}

// Outside 0 to 3010327 the serial reads as an unsigned day count: the fields still name a real
// day, found without overflow.
TEST(CalendarDate, OutOfRangeSerialsNameTheUnsignedDay) {
    const std::int32_t serials[] = {3010328, kMax, -1, kMin, -641731, -1000000};
    for (const std::int32_t serial : serials) {
        SCOPED_TRACE(serial);
        const CalendarDate date(serial);
        const CivilDate expected = CivilFromSerial(static_cast<std::uint32_t>(serial));
        EXPECT_EQ(date.serial, serial);
        EXPECT_EQ(date.year, expected.year);
        EXPECT_EQ(date.month, static_cast<std::int32_t>(expected.month));
        EXPECT_EQ(date.day, static_cast<std::int32_t>(expected.day));
        EXPECT_FALSE(date.adjusted);
    }
}

}  // namespace
