#include "calendar/calendar_date.h"

#include <cstdint>

#include <gtest/gtest.h>

#include "civil_reference.h"

namespace {

TEST(CalendarDateExhaustive, ReferenceSpansTheWholeRange) {
    EXPECT_EQ(CivilFromSerial(0), (CivilDate{1758, 1, 1}));
    EXPECT_EQ(CivilFromSerial(CalendarDate::kLastSerial), (CivilDate{9999, 12, 31}));
}

// Every day from 1758-01-01 to 9999-12-31: the serial's fields agree with the reference, and
// those fields set back give the same serial unadjusted. Only the first disagreement is
// reported, so a systematic fault does not flood the log.
TEST(CalendarDateExhaustive, EveryDayRoundTripsThroughItsFields) {
    std::int64_t failures = 0;
    ::testing::Message first;
    CalendarDate reset(0);
    for (std::int32_t serial = 0; serial <= CalendarDate::kLastSerial; ++serial) {
        const CivilDate expected = CivilFromSerial(serial);
        const CalendarDate fromSerial(serial);
        const bool fieldsMatch = fromSerial.year == expected.year &&
                                 fromSerial.month == static_cast<std::int32_t>(expected.month) &&
                                 fromSerial.day == static_cast<std::int32_t>(expected.day);
        reset.SetDate(fromSerial.year, fromSerial.month, fromSerial.day);
        const bool roundTrips = reset.serial == serial && !reset.adjusted;
        if (!fieldsMatch || !roundTrips) {
            if (failures == 0) {
                first << "serial " << serial << " gives " << fromSerial.year << '-'
                      << fromSerial.month << '-' << fromSerial.day << ", expected " << expected.year
                      << '-' << expected.month << '-' << expected.day << "; set back: serial "
                      << reset.serial << ", adjusted " << reset.adjusted;
            }
            ++failures;
        }
    }
    EXPECT_EQ(failures, 0) << "first: " << first;
}

}  // namespace
