#include "fsutil/file_time.h"

#include <gtest/gtest.h>

#include <cstdint>

#include "file_time_support.h"

namespace {

// The test environment runs in Japan time, nine hours ahead of UTC and without daylight
// saving, so a local time read back through mktime must give the instant it came from.
TEST(FileTimeToTime64, RoundTripsThroughLocalTime) {
    struct Case {
        const char* what;
        std::int64_t unixSeconds;
        __time64_t expected;
    };
    const Case cases[] = {
        {"2020-01-01 00:00:00 UTC", 1577836800, 1577836800},
        {"2001-02-03 04:05:06 UTC", 981173106, 981173106},
        {"2024-02-29 03:00:00 UTC", 1709175600, 1709175600},
        {"1970-01-01 09:00:00 UTC, local 18:00", 32400, 32400},
        {"1850-06-01 UTC: local year before 1900", -3773779200, 0},
        {"1899-12-31 14:59:59 UTC: local 1899-12-31 23:59:59", -2209021201, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(FileTimeToTime64(FileTimeFromUnixSeconds(c.unixSeconds), -1), c.expected);
    }
}

TEST(FileTimeToTime64, TheYearTestUsesLocalTime) {
    // 15:00 UTC on the last day of 1899 is already 1900 in Japan: not cut off as a year
    // before 1900 (0), but handed to mktime, which cannot represent it before 1970 (-1).
    EXPECT_EQ(FileTimeToTime64(FileTimeFromUnixSeconds(-2209021200), -1), -1);
}

TEST(FileTimeToTime64, AnUnconvertibleFileTimeGivesZero) {
    EXPECT_EQ(FileTimeToTime64(FILETIME{0xFFFFFFFFu, 0xFFFFFFFFu}, -1), 0);
}

TEST(SystemTimeToTime64, ReadsTheFieldsAsLocalTime) {
    struct Case {
        SYSTEMTIME time;
        __time64_t expected;
    };
    // Fields: year, month, day of week, day, hour, minute, second, milliseconds.
    const Case cases[] = {
        {{2020, 1, 3, 1, 9, 0, 0, 0}, 1577836800},
        {{2001, 2, 6, 3, 13, 5, 6, 999}, 981173106},
        {{2024, 2, 0, 29, 12, 0, 0, 0}, 1709175600},
        // Day of week and milliseconds are not read.
        {{2020, 1, 6, 1, 9, 0, 0, 500}, 1577836800},
        {{1899, 12, 0, 31, 23, 59, 59, 0}, 0},
        {{1, 1, 0, 1, 0, 0, 0, 0}, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.time.wYear);
        EXPECT_EQ(SystemTimeToTime64(c.time, -1), c.expected);
    }
}

}  // namespace
