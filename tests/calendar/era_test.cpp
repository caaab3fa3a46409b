#include "calendar/era_date.h"
#include "calendar/era_table.h"

#include <cstdint>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "civil_reference.h"

namespace {

struct EraRow {
    std::vector<unsigned char> nameBytes;
    std::int32_t startYear;
    std::int32_t startMonth;
    std::int32_t startDay;
    std::int32_t startSerial;
    std::int32_t initial;
};

// Era 0 has no start date; its start fields are unused.
const EraRow kEras[] = {
    {{0x95, 0xF3, 0x97, 0xEF}, 0, 0, 0, 0, -1},
    {{0x96, 0xBE, 0x98, 0x61}, 1764, 1, 1, 2191, -1},
    {{0x88, 0xC0, 0x89, 0x69}, 1772, 1, 1, 5113, -1},
    {{0x93, 0x56, 0x96, 0xBE}, 1781, 1, 1, 8401, -1},
    {{0x8A, 0xB0, 0x90, 0xAD}, 1789, 1, 1, 11323, -1},
    {{0x8B, 0x9C, 0x98, 0x61}, 1801, 1, 1, 15705, -1},
    {{0x95, 0xB6, 0x89, 0xBB}, 1804, 1, 1, 16800, -1},
    {{0x95, 0xB6, 0x90, 0xAD}, 1818, 1, 1, 21914, -1},
    {{0x93, 0x56, 0x95, 0xDB}, 1830, 1, 1, 26297, -1},
    {{0x8D, 0x4F, 0x89, 0xBB}, 1844, 1, 1, 31410, -1},
    {{0x89, 0xC3, 0x89, 0x69}, 1848, 1, 1, 32871, -1},
    {{0x88, 0xC0, 0x90, 0xAD}, 1854, 1, 1, 35063, -1},
    {{0x96, 0x9C, 0x89, 0x84}, 1860, 1, 1, 37254, -1},
    {{0x95, 0xB6, 0x8B, 0x76}, 1861, 1, 1, 37620, -1},
    {{0x8C, 0xB3, 0x8E, 0xA1}, 1864, 1, 1, 38715, -1},
    {{0x8C, 0x63, 0x89, 0x9E}, 1865, 4, 7, 39177, -1},
    {{0x96, 0xBE, 0x8E, 0xA1}, 1868, 9, 8, 40427, 'M'},
    {{0x91, 0xE5, 0x90, 0xB3}, 1912, 7, 30, 56457, 'T'},
    {{0x8F, 0xBA, 0x98, 0x61}, 1926, 12, 25, 61718, 'S'},
    {{0x95, 0xBD, 0x90, 0xAC}, 1989, 1, 8, 84378, 'H'},
    {{0x97, 0xDF, 0x98, 0x61}, 2019, 5, 1, 95448, 'R'},
};
static_assert(sizeof(kEras) / sizeof(kEras[0]) == EraTable::kEraCount);

TEST(EraTable, NamesAreTheShiftJisBytes) {
    const EraTable& table = EraTable::Get();
    for (std::int32_t era = 0; era < EraTable::kEraCount; ++era) {
        const std::vector<unsigned char>& bytes = kEras[era].nameBytes;
        EXPECT_EQ(table.Name(era), std::string(bytes.begin(), bytes.end())) << "era " << era;
    }
    EXPECT_EQ(table.Name(-1), "");
    EXPECT_EQ(table.Name(EraTable::kEraCount), "");
}

TEST(EraTable, StartDatesAreTheListedDays) {
    const auto& starts = EraTable::Get().StartDates();
    for (std::int32_t era = 1; era < EraTable::kEraCount; ++era) {
        SCOPED_TRACE(era);
        const EraRow& row = kEras[era];
        const CalendarDate& start = starts[era - 1];
        EXPECT_EQ(start.serial, row.startSerial);
        EXPECT_EQ(start.serial, SerialOf(row.startYear, row.startMonth, row.startDay));
        EXPECT_EQ(start.year, row.startYear);
        EXPECT_EQ(start.month, row.startMonth);
        EXPECT_EQ(start.day, row.startDay);
        EXPECT_FALSE(start.adjusted);
    }
}

TEST(EraInitial, OnlyTheLastFiveErasHaveOne) {
    for (std::int32_t era = 0; era < EraTable::kEraCount; ++era) {
        EXPECT_EQ(EraInitial(era), kEras[era].initial) << "era " << era;
    }
    const std::int32_t outside[] = {-1, EraTable::kEraCount, INT32_MIN, INT32_MAX};
    for (const std::int32_t index : outside) {
        EXPECT_EQ(EraInitial(index), -1) << index;
    }
}

TEST(EraDate, DatesAroundEraBoundaries) {
    struct Case {
        std::int32_t year;
        std::int32_t month;
        std::int32_t day;
        std::int32_t eraIndex;
        std::int32_t eraYear;
    };
    const Case cases[] = {
        {1758, 1, 1, 0, 8},     {1758, 1, 2, 0, 8},    {1763, 12, 31, 0, 13},
        {1764, 1, 1, 1, 1},     {1764, 12, 31, 1, 1},  {1765, 1, 1, 1, 2},
        {1865, 4, 6, 14, 2},    {1865, 4, 7, 15, 1},   {1868, 9, 7, 15, 4},
        {1868, 9, 8, 16, 1},    {1912, 7, 29, 16, 45}, {1912, 7, 30, 17, 1},
        {1926, 12, 24, 17, 15}, {1926, 12, 25, 18, 1}, {1926, 12, 31, 18, 1},
        {1927, 1, 1, 18, 2},    {1989, 1, 7, 18, 64},  {1989, 1, 8, 19, 1},
        {2019, 4, 30, 19, 31},  {2019, 5, 1, 20, 1},   {2020, 1, 1, 20, 2},
        {2026, 12, 6, 20, 8},   {2118, 1, 1, 20, 100}, {9999, 12, 31, 20, 7981},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.year << '-' << c.month << '-' << c.day);
        const CalendarDate date(c.year, c.month, c.day);
        EXPECT_EQ(EraIndexOf(date), c.eraIndex);
        EXPECT_EQ(EraYearOf(date), c.eraYear);
        const EraDate eraDate(date);
        EXPECT_EQ(eraDate.eraYear, c.eraYear);
        EXPECT_EQ(eraDate.month, c.month);
        EXPECT_EQ(eraDate.day, c.day);
        EXPECT_EQ(eraDate.eraIndex, c.eraIndex);
    }
}

// Every day of the range against the listed start serials: an era begins exactly on its start
// day, and everything from 2019-05-01 on is era 20.
TEST(EraDate, EveryDayFallsInTheEraOfTheLastStartOnOrBeforeIt) {
    std::int64_t failures = 0;
    std::int32_t firstFailure = -1;
    std::int32_t expected = 0;
    for (std::int32_t serial = 0; serial <= CalendarDate::kLastSerial; ++serial) {
        if (expected + 1 < EraTable::kEraCount && kEras[expected + 1].startSerial == serial) {
            ++expected;
        }
        if (EraIndexOf(CalendarDate(serial)) != expected) {
            firstFailure = failures == 0 ? serial : firstFailure;
            ++failures;
        }
    }
    EXPECT_EQ(expected, EraTable::kEraCount - 1);
    EXPECT_EQ(failures, 0) << "first at serial " << firstFailure;
}

}  // namespace
