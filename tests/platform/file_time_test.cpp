#include <gtest/gtest.h>

#include <cstdint>
#include <ctime>

#include "platform/win32.h"
#include "scoped_environment.h"

namespace {

constexpr std::uint64_t kTicksPerSecond = 10'000'000;
constexpr std::uint64_t kUnixEpochTicks = 116'444'736'000'000'000;

FILETIME FileTimeOf(std::uint64_t ticks) {
    return {static_cast<DWORD>(ticks & 0xFFFFFFFF), static_cast<DWORD>(ticks >> 32)};
}

std::uint64_t TicksOf(const FILETIME& time) {
    return static_cast<std::uint64_t>(time.dwHighDateTime) << 32 | time.dwLowDateTime;
}

class InJapanTime : public testing::Test {
  protected:
    InJapanTime() { environment_.Set("TZ", "JST-9"); }
    ScopedEnvironment environment_;
};

using LocalFileTime = InJapanTime;

TEST_F(LocalFileTime, AddsNineHoursInJapan) {
    const FILETIME utc = FileTimeOf(kUnixEpochTicks + 123);
    FILETIME local{};
    ASSERT_TRUE(FileTimeToLocalFileTime(&utc, &local));
    EXPECT_EQ(TicksOf(local), kUnixEpochTicks + 123 + 9 * 3600 * kTicksPerSecond);
}

TEST_F(LocalFileTime, UsesTheOffsetInForceNowForEveryDate) {
    ScopedEnvironment summer;
    // Southern hemisphere summer time from October to April: whatever today is, January and
    // July get the same offset.
    summer.Set("TZ", "AEST-10AEDT,M10.1.0,M4.1.0/3");
    const FILETIME january = FileTimeOf(kUnixEpochTicks + 1'704'067'200 * kTicksPerSecond);
    const FILETIME july = FileTimeOf(kUnixEpochTicks + 1'719'792'000 * kTicksPerSecond);
    FILETIME localJanuary{};
    FILETIME localJuly{};
    ASSERT_TRUE(FileTimeToLocalFileTime(&january, &localJanuary));
    ASSERT_TRUE(FileTimeToLocalFileTime(&july, &localJuly));
    EXPECT_EQ(TicksOf(localJanuary) - TicksOf(january), TicksOf(localJuly) - TicksOf(july));
}

// Values near the top of the range and what Wine 8 gave for them under JST-9: every value is
// taken and the sum wraps around 2^64.
struct LocalLimitCase {
    const char* name;
    std::uint64_t utc;
    std::uint64_t local;
};

class LocalFileTimeLimits : public InJapanTime,
                            public testing::WithParamInterface<LocalLimitCase> {};

TEST_P(LocalFileTimeLimits, TakesWhatWineTakes) {
    const FILETIME utc = FileTimeOf(GetParam().utc);
    FILETIME local{};
    SetLastError(0);
    ASSERT_TRUE(FileTimeToLocalFileTime(&utc, &local));
    EXPECT_EQ(TicksOf(local), GetParam().local);
    EXPECT_EQ(GetLastError(), 0u);
}

INSTANTIATE_TEST_SUITE_P(
    Values, LocalFileTimeLimits,
    testing::Values(
        LocalLimitCase{"Zero", 0, 0x4B'6FE7'A800},
        LocalLimitCase{"LastBeforeTheTopBit", 0x7FFF'FFB4'9018'57FE, 0x7FFF'FFFF'FFFF'FFFE},
        LocalLimitCase{"ReachesTheLargest", 0x7FFF'FFB4'9018'57FF, 0x7FFF'FFFF'FFFF'FFFF},
        LocalLimitCase{"OffsetCrossesTheTopBit", 0x7FFF'FFB4'9018'5800, 0x8000'0000'0000'0000},
        LocalLimitCase{"Largest", 0x7FFF'FFFF'FFFF'FFFF, 0x8000'004B'6FE7'A7FF},
        LocalLimitCase{"TopBitSet", 0x8000'0000'0000'0000, 0x8000'004B'6FE7'A800},
        LocalLimitCase{"WrapsAround", 0xFFFF'FFFF'FFFF'FFFF, 0x4B'6FE7'A7FF}),
    [](const testing::TestParamInfo<LocalLimitCase>& info) { return info.param.name; });

TEST(LocalFileTimeArguments, AreRequired) {
    const FILETIME time = FileTimeOf(0);
    FILETIME local{};
    SetLastError(0);
    EXPECT_FALSE(FileTimeToLocalFileTime(nullptr, &local));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
    EXPECT_FALSE(FileTimeToLocalFileTime(&time, nullptr));
}

TEST(LocalFileTimeWest, WrapsBelowZero) {
    ScopedEnvironment westOfGreenwich;
    westOfGreenwich.Set("TZ", "XST5");
    const FILETIME start = FileTimeOf(0);
    FILETIME local{};
    ASSERT_TRUE(FileTimeToLocalFileTime(&start, &local));
    EXPECT_EQ(TicksOf(local), 0ull - 5 * 3600 * kTicksPerSecond);
}

struct SystemTimeCase {
    const char* name;
    std::uint64_t ticks;
    SYSTEMTIME expected;  // year, month, day of week, day, hour, minute, second, ms
};

class SystemTimeFromFileTime : public testing::TestWithParam<SystemTimeCase> {};

TEST_P(SystemTimeFromFileTime, BreaksTheTimeDown) {
    const FILETIME fileTime = FileTimeOf(GetParam().ticks);
    SYSTEMTIME actual{};
    ASSERT_TRUE(FileTimeToSystemTime(&fileTime, &actual));
    const SYSTEMTIME& expected = GetParam().expected;
    EXPECT_EQ(actual.wYear, expected.wYear);
    EXPECT_EQ(actual.wMonth, expected.wMonth);
    EXPECT_EQ(actual.wDayOfWeek, expected.wDayOfWeek);
    EXPECT_EQ(actual.wDay, expected.wDay);
    EXPECT_EQ(actual.wHour, expected.wHour);
    EXPECT_EQ(actual.wMinute, expected.wMinute);
    EXPECT_EQ(actual.wSecond, expected.wSecond);
    EXPECT_EQ(actual.wMilliseconds, expected.wMilliseconds);
}

INSTANTIATE_TEST_SUITE_P(
    Times, SystemTimeFromFileTime,
    testing::Values(
        SystemTimeCase{"Start", 0, {1601, 1, 1, 1, 0, 0, 0, 0}},
        SystemTimeCase{"UnixEpoch", kUnixEpochTicks, {1970, 1, 4, 1, 0, 0, 0, 0}},
        // 2001-02-03 04:05:06.789, a Saturday.
        SystemTimeCase{"WithMilliseconds", 126'256'467'067'899'999, {2001, 2, 6, 3, 4, 5, 6, 789}},
        // 2000-02-29 23:59:59, a Tuesday: a leap day of a century divisible by 400.
        SystemTimeCase{"LeapDay",
                       kUnixEpochTicks + 951'868'799 * kTicksPerSecond,
                       {2000, 2, 2, 29, 23, 59, 59, 0}},
        // 2100-03-01, a Monday: 2100 has no 29 February.
        SystemTimeCase{"CenturyWithoutLeapDay",
                       kUnixEpochTicks + 4'107'542'400 * kTicksPerSecond,
                       {2100, 3, 1, 1, 0, 0, 0, 0}},
        // Wine 8: 30827-12-31 23:59:59.999 (a Friday), then 30828-01-01 (a Saturday), and
        // the largest value FileTimeToSystemTime takes.
        SystemTimeCase{"EndOf30827", 0x7FFF'35F4'F06C'7FFF, {30827, 12, 5, 31, 23, 59, 59, 999}},
        SystemTimeCase{"StartOf30828", 0x7FFF'35F4'F06C'8000, {30828, 1, 6, 1, 0, 0, 0, 0}},
        SystemTimeCase{"Largest", 0x7FFF'FFFF'FFFF'FFFF, {30828, 9, 4, 14, 2, 48, 5, 477}}),
    [](const testing::TestParamInfo<SystemTimeCase>& info) { return info.param.name; });

TEST(SystemTimeLimits, RejectsTheTopBitAsWineDoes) {
    SYSTEMTIME systemTime{};
    for (const std::uint64_t ticks : {0x8000'0000'0000'0000ull, 0xFFFF'FFFF'FFFF'FFFFull}) {
        const FILETIME fileTime = FileTimeOf(ticks);
        SetLastError(0);
        EXPECT_FALSE(FileTimeToSystemTime(&fileTime, &systemTime)) << ticks;
        EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER)) << ticks;
    }
    EXPECT_FALSE(FileTimeToSystemTime(nullptr, &systemTime));
}

TEST_F(InJapanTime, LocalSystemTimeOfAUtcFileTime) {
    // 2001-02-03 20:00:00 UTC is 2001-02-04 05:00:00 in Japan, a Sunday.
    const FILETIME utc = FileTimeOf(kUnixEpochTicks + 981'230'400 * kTicksPerSecond);
    FILETIME local{};
    SYSTEMTIME systemTime{};
    ASSERT_TRUE(FileTimeToLocalFileTime(&utc, &local));
    ASSERT_TRUE(FileTimeToSystemTime(&local, &systemTime));
    EXPECT_EQ(systemTime.wDay, 4);
    EXPECT_EQ(systemTime.wDayOfWeek, 0);
    EXPECT_EQ(systemTime.wHour, 5);
}

struct MakeTimeCase {
    const char* name;
    int year, month, day, hour, minute, second;
    __time64_t expected;
};

class MakeTime : public InJapanTime, public testing::WithParamInterface<MakeTimeCase> {};

TEST_P(MakeTime, TakesALocalTimeWithinTheRunTimesRange) {
    const MakeTimeCase& make = GetParam();
    std::tm local{};
    local.tm_year = make.year - 1900;
    local.tm_mon = make.month - 1;
    local.tm_mday = make.day;
    local.tm_hour = make.hour;
    local.tm_min = make.minute;
    local.tm_sec = make.second;
    local.tm_isdst = -1;
    EXPECT_EQ(_mktime64(&local), make.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Times, MakeTime,
    testing::Values(MakeTimeCase{"Epoch", 1970, 1, 1, 9, 0, 0, 0},
                    MakeTimeCase{"BeforeTheEpochInUtc", 1970, 1, 1, 8, 59, 59, -1},
                    MakeTimeCase{"Year1900", 1900, 1, 1, 0, 0, 0, -1},
                    MakeTimeCase{"Ordinary", 2001, 2, 4, 5, 0, 0, 981'230'400},
                    // Wine 8 refuses this one, which the documented range holds.
                    MakeTimeCase{"LastSecond", 3001, 1, 1, 8, 59, 59, 32'535'215'999},
                    MakeTimeCase{"LastDayInJapan", 3000, 12, 31, 23, 59, 59, 32'535'183'599},
                    MakeTimeCase{"PastTheLastSecond", 3001, 1, 1, 9, 0, 0, -1},
                    MakeTimeCase{"Beyond32Bits", 2038, 1, 19, 12, 14, 8, 2'147'483'648}),
    [](const testing::TestParamInfo<MakeTimeCase>& info) { return info.param.name; });

struct LocalTimeCase {
    const char* name;
    __time64_t time;
    bool represented;
    int year, month, day, hour;  // in Japan
};

class LocalTime : public InJapanTime, public testing::WithParamInterface<LocalTimeCase> {};

// The documented range ends at 3000-12-31 23:59:59 UTC; Wine 8 also takes the second after it
// (3001-01-01 09:00:00 JST), which the documentation refuses.
TEST_P(LocalTime, GivesTheRunTimesRangeOnly) {
    const LocalTimeCase& time = GetParam();
    const std::tm* local = _localtime64(&time.time);
    ASSERT_EQ(local != nullptr, time.represented);
    if (local != nullptr) {
        EXPECT_EQ(local->tm_year + 1900, time.year);
        EXPECT_EQ(local->tm_mon + 1, time.month);
        EXPECT_EQ(local->tm_mday, time.day);
        EXPECT_EQ(local->tm_hour, time.hour);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Times, LocalTime,
    testing::Values(LocalTimeCase{"Epoch", 0, true, 1970, 1, 1, 9},
                    LocalTimeCase{"BeforeTheEpoch", -1, false, 0, 0, 0, 0},
                    LocalTimeCase{"NineHoursBefore", -32'400, false, 0, 0, 0, 0},
                    LocalTimeCase{"LastSecond", 32'535'215'999, true, 3001, 1, 1, 8},
                    LocalTimeCase{"PastTheLastSecond", 32'535'216'000, false, 0, 0, 0, 0}),
    [](const testing::TestParamInfo<LocalTimeCase>& info) { return info.param.name; });

TEST_F(InJapanTime, MakeTimeNormalisesTheFields) {
    std::tm local{};
    local.tm_year = 2024 - 1900;
    local.tm_mon = 1;
    local.tm_mday = 30;  // 30 February is 1 March
    local.tm_isdst = -1;
    EXPECT_GT(_mktime64(&local), 0);
    EXPECT_EQ(local.tm_mon, 2);
    EXPECT_EQ(local.tm_mday, 1);
    EXPECT_EQ(_mktime64(nullptr), -1);
}

}  // namespace
