// Calendar dates from any year, month and day and from any serial, checked against an
// independent civil-day algorithm; and their compact digit strings for any flags.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "calendar/calendar_date.h"
#include "calendar/format_calendar_date.h"
#include "civil_reference.h"
#include "fuzz_support.h"

namespace {

bool Names(const CalendarDate& date, const CivilDate& civil) {
    return date.year == civil.year && date.month == static_cast<std::int32_t>(civil.month) &&
           date.day == static_cast<std::int32_t>(civil.day);
}

// Serials read as unsigned day counts from 1758-01-01.
void CheckFromSerial(std::int32_t serial) {
    const CalendarDate date(serial);
    Require(date.serial == serial && !date.adjusted);
    Require(Names(date, CivilFromSerial(static_cast<std::uint32_t>(serial))));
}

void CheckFromFields(std::int32_t year, std::int32_t month, std::int32_t day) {
    const CalendarDate date(year, month, day);

    // Months up to 0 borrow one year, months above 12 carry as many as they hold.
    std::int64_t normalisedYear = year;
    std::int64_t normalisedMonth = month;
    if (normalisedMonth <= 0) {
        normalisedYear -= 1;
        normalisedMonth += 12;
    } else if (normalisedMonth > 12) {
        normalisedYear += (normalisedMonth - 1) / 12;
        normalisedMonth = (normalisedMonth - 1) % 12 + 1;
    }
    std::int64_t expected = 0;
    if (normalisedYear >= 1758 && normalisedYear <= 9999 && normalisedMonth >= 1 &&
        normalisedMonth <= 12 && day >= 1 && day <= 31) {
        // The first of the month plus the days: a day beyond the month rolls over.
        expected = SerialOf(normalisedYear, static_cast<unsigned>(normalisedMonth), 1) + day - 1;
        if (expected > CalendarDate::kLastSerial) {
            expected = 0;
        }
    }
    Require(date.serial == expected);
    const CivilDate stored = CivilFromSerial(expected);
    Require(Names(date, stored));
    const bool asked = stored.year == normalisedYear && stored.month == normalisedMonth &&
                       static_cast<std::int64_t>(stored.day) == day;
    Require(date.adjusted == !asked);
}

std::string Padded(std::int64_t value, std::size_t width) {
    std::string digits = std::to_string(value);
    if (digits.size() < width) {
        digits.insert(0, width - digits.size(), '0');
    }
    return digits;
}

// The eras that have an initial, latest first; earlier days have none.
struct InitialEra {
    char initial;
    std::int64_t startSerial;
    std::int64_t firstYear;
};

const InitialEra kInitialEras[] = {
    {'R', SerialOf(2019, 5, 1), 2019},   {'H', SerialOf(1989, 1, 8), 1989},
    {'S', SerialOf(1926, 12, 25), 1926}, {'T', SerialOf(1912, 7, 30), 1912},
    {'M', SerialOf(1868, 9, 8), 1868},
};

std::string ReferenceFormat(const CalendarDate& date, std::int32_t flags) {
    if (date.serial == 0) {
        return "";
    }
    // Out-of-range serials count as far-future days, as the dates' own fields do.
    const std::int64_t serial = static_cast<std::uint32_t>(date.serial);
    const CivilDate civil = CivilFromSerial(serial);
    std::string out;
    if ((flags & 0x90) == 0x90) {
        const InitialEra* era = nullptr;
        // Eras are found by the signed serial: a negative one lies before every era.
        for (const InitialEra& candidate : kInitialEras) {
            if (date.serial >= candidate.startSerial) {
                era = &candidate;
                break;
            }
        }
        if (era == nullptr) {
            return "";
        }
        out += era->initial;
        out += Padded(civil.year - era->firstYear + 1, 2);
    } else if ((flags & 0x10) != 0) {
        out += Padded(civil.year, 4);
    }
    if ((flags & 0x20) != 0) {
        out += Padded(civil.month, 2);
    }
    if ((flags & 0x40) != 0) {
        out += Padded(civil.day, 2);
    }
    return out;
}

void CheckFormat(const CalendarDate& date, std::int32_t flags) {
    std::string out = "left over";
    const std::int32_t length = FormatCalendarDate(date, flags, out);
    Require(length >= 0 && static_cast<std::size_t>(length) == out.size());
    Require(out == ReferenceFormat(date, flags));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider provider(data, size);
    const auto year = provider.ConsumeIntegral<std::int32_t>();
    const auto month = provider.ConsumeIntegral<std::int32_t>();
    const auto day = provider.ConsumeIntegral<std::int32_t>();
    const auto serial = provider.ConsumeIntegral<std::int32_t>();
    const auto flags = provider.ConsumeIntegral<std::int32_t>();

    CheckFromSerial(serial);
    CheckFromFields(year, month, day);
    CheckFormat(CalendarDate(serial), flags);
    CheckFormat(CalendarDate(year, month, day), flags);
    return 0;
}
