#include "calendar/calendar_date.h"
#include "calendar/local_date_triple.h"

#include <ctime>

#include <gtest/gtest.h>

#include "platform/win32.h"
#include "civil_reference.h"

namespace {

struct LocalDay {
    int year;
    int month;
    int day;
};

LocalDay ReadLocalDay() {
    const __time64_t now = _time64(nullptr);
    const std::tm* local = _localtime64(&now);
    EXPECT_NE(local, nullptr);
    if (local == nullptr) {
        return {0, 0, 0};
    }
    return {local->tm_year + 1900, local->tm_mon + 1, local->tm_mday};
}

bool IsDay(const CalendarDate& date, const LocalDay& day) {
    return date.year == day.year && date.month == day.month && date.day == day.day;
}

TEST(SetToday, StoresTheLocalDateOfTheClock) {
    // Read before and after, so a midnight crossing during the call still passes.
    const LocalDay before = ReadLocalDay();
    CalendarDate date(0);
    CalendarDate& result = date.SetToday();
    const LocalDay after = ReadLocalDay();

    EXPECT_EQ(&result, &date);
    EXPECT_TRUE(IsDay(date, before) || IsDay(date, after))
        << "stored " << date.year << '-' << date.month << '-' << date.day << ", clock "
        << before.year << '-' << before.month << '-' << before.day;
    EXPECT_EQ(date.serial, SerialOf(date.year, date.month, date.day));
    EXPECT_FALSE(date.adjusted);
}

TEST(LocalDateTriple, TakesTheCalendarFieldsOfBrokenDownTime) {
    std::tm local{};
    local.tm_year = 126;
    local.tm_mon = 11;
    local.tm_mday = 6;
    local.tm_hour = 23;
    const LocalDateTriple triple(&local);
    EXPECT_EQ(triple.year, 2026);
    EXPECT_EQ(triple.month, 12);
    EXPECT_EQ(triple.day, 6);
}

TEST(LocalDateTriple, UnreadableClockGivesADateThatSetDateRejects) {
    const LocalDateTriple triple(nullptr);
    CalendarDate date(2026, 12, 6);
    date.SetDate(triple.year, triple.month, triple.day);
    EXPECT_EQ(date.serial, 0);
    EXPECT_TRUE(date.adjusted);
}

}  // namespace
