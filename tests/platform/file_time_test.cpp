#include <gtest/gtest.h>

#include <cstdint>
#include <ctime>

#include "platform/win32.h"
#include "tests/platform/scoped_environment.h"

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

TEST_F(LocalFileTime, RejectsWhatCannotBeAFileTime) {
    FILETIME local{};
    const FILETIME topBitSet = FileTimeOf(0x8000'0000'0000'0000ull);
    SetLastError(0);
    EXPECT_FALSE(FileTimeToLocalFileTime(&topBitSet, &local));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
    const FILETIME largest = FileTimeOf(0x7FFF'FFFF'FFFF'FFFFull);
    EXPECT_FALSE(FileTimeToLocalFileTime(&largest, &local));  // +9 h would overflow
    {
        ScopedEnvironment westOfGreenwich;
        westOfGreenwich.Set("TZ", "XST5");
        const FILETIME start = FileTimeOf(0);
        EXPECT_FALSE(FileTimeToLocalFileTime(&start, &local));  // before 1601
        const FILETIME fiveHours = FileTimeOf(5 * 3600 * kTicksPerSecond);
        ASSERT_TRUE(FileTimeToLocalFileTime(&fiveHours, &local));
        EXPECT_EQ(TicksOf(local), 0u);
    }
    EXPECT_FALSE(FileTimeToLocalFileTime(nullptr, &local));
    EXPECT_FALSE(FileTimeToLocalFileTime(&largest, nullptr));
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
        // 30827-12-31 23:59:59.999, the last moment a SYSTEMTIME holds.
        SystemTimeCase{
            "LastYear", 9'223'149'887'999'990'000ull, {30827, 12, 5, 31, 23, 59, 59, 999}}),
    [](const testing::TestParamInfo<SystemTimeCase>& info) { return info.param.name; });

TEST(SystemTimeLimits, RejectTimesBeyondTheYear30827) {
    SYSTEMTIME systemTime{};
    const FILETIME firstOf30828 = FileTimeOf(9'223'149'888'000'000'000ull);
    EXPECT_FALSE(FileTimeToSystemTime(&firstOf30828, &systemTime));
    const FILETIME topBitSet = FileTimeOf(0x8000'0000'0000'0000ull);
    EXPECT_FALSE(FileTimeToSystemTime(&topBitSet, &systemTime));
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
                    MakeTimeCase{"LastSecond", 3001, 1, 1, 8, 59, 59, 32'535'215'999},
                    MakeTimeCase{"PastTheLastSecond", 3001, 1, 1, 9, 0, 0, -1},
                    MakeTimeCase{"Beyond32Bits", 2038, 1, 19, 12, 14, 8, 2'147'483'648}),
    [](const testing::TestParamInfo<MakeTimeCase>& info) { return info.param.name; });

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
