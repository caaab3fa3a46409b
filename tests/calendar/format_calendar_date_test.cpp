#include "calendar/format_calendar_date.h"

#include <cstdint>
#include <string>

#include <gtest/gtest.h>

namespace {

struct Case {
    std::int32_t flags;
    const char* text;
};

void ExpectFormats(const CalendarDate& date, const Case& c) {
    SCOPED_TRACE(::testing::Message() << date.year << '-' << date.month << '-' << date.day
                                      << " flags 0x" << std::hex << c.flags);
    // Earlier content must never survive a call, whatever the result.
    std::string out = "stale text";
    const std::int32_t length = FormatCalendarDate(date, c.flags, out);
    EXPECT_EQ(out, c.text);
    EXPECT_EQ(length, static_cast<std::int32_t>(out.size()));
}

TEST(FormatCalendarDate, FlagsSelectThePieces) {
    const Case cases[] = {
        {0x10, "2026"},
        {0x20, "12"},
        {0x40, "06"},
        {0x30, "202612"},
        {0x50, "202606"},
        {0x60, "1206"},
        {0x70, "20261206"},
        {0x90, "R08"},
        {0xB0, "R0812"},
        {0xD0, "R0806"},
        {0xF0, "R081206"},
        {0x1F0, "R081206"},
        {0x80, ""},
        {0, ""},
        {0xE0, "1206"},
        {0x0F, ""},
        {-1, "R081206"},
        {0x7FFFFF0F, ""},
        {0x7FFFFF70, "20261206"},
    };
    const CalendarDate date(2026, 12, 6);
    for (const Case& c : cases) {
        ExpectFormats(date, c);
    }
}

// The names callers use give the forms they promise.
TEST(FormatCalendarDate, NamedFlagsGiveTheirForms) {
    const Case cases[] = {
        {kFormatYear, "2026"},
        {kFormatMonth, "12"},
        {kFormatDay, "06"},
        {kFormatYearMonthDay, "20261206"},
        {kFormatYearMonthDay | kFormatEraYear, "R081206"},
    };
    const CalendarDate date(2026, 12, 6);
    for (const Case& c : cases) {
        ExpectFormats(date, c);
    }
}

TEST(FormatCalendarDate, EraFormAcrossEraBoundaries) {
    struct DatedCase {
        std::int32_t year;
        std::int32_t month;
        std::int32_t day;
        Case expected;
    };
    const DatedCase cases[] = {
        {1989, 1, 7, {0x90, "S64"}},
        {1989, 1, 8, {0x90, "H01"}},
        {1912, 7, 29, {0x90, "M45"}},
        {1912, 7, 30, {0x90, "T01"}},
        {1926, 12, 24, {0x90, "T15"}},
        {1926, 12, 25, {0x90, "S01"}},
        {2019, 4, 30, {0xF0, "H310430"}},
        {2019, 5, 1, {0xF0, "R010501"}},
        {1868, 9, 8, {0xF0, "M010908"}},
        {2118, 1, 1, {0x90, "R100"}},
        {9999, 12, 31, {0xF0, "R79811231"}},
        {9999, 12, 31, {0x70, "99991231"}},
        // Eras before 16 have no initial: the era form gives nothing at all.
        {1868, 9, 7, {0x90, ""}},
        {1868, 9, 7, {0xF0, ""}},
        {1868, 9, 7, {0x70, "18680907"}},
        {1758, 1, 2, {0x70, "17580102"}},
        {1758, 1, 2, {0xF0, ""}},
    };
    for (const DatedCase& c : cases) {
        ExpectFormats(CalendarDate(c.year, c.month, c.day), c.expected);
    }
}

TEST(FormatCalendarDate, SerialZeroIsEmptyForAnyFlags) {
    const CalendarDate firstDay(1758, 1, 1);
    const CalendarDate rejected(2024, 2, 32);
    for (std::int32_t flags = 0; flags <= 0x1FF; ++flags) {
        ExpectFormats(firstDay, {flags, ""});
        ExpectFormats(rejected, {flags, ""});
    }
}

TEST(FormatCalendarDate, WidthsAreMinimumsOnly) {
    // The serial constructor takes serials past 9999-12-31; the year then needs five digits.
    const CalendarDate pastTheRange(CalendarDate::kLastSerial + 1);
    ExpectFormats(pastTheRange, {0x70, "100000101"});
}

}  // namespace
