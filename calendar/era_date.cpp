#include "calendar/era_date.h"

#include "calendar/era_table.h"

namespace {

// Era 0 began before the serial's first day; its year 1 is 1751.
constexpr std::int64_t kEraZeroFirstYear = 1751;

std::int32_t EraYearIn(const CalendarDate& date, std::int32_t eraIndex) {
    const std::int64_t firstYear =
        eraIndex == 0 ? kEraZeroFirstYear : EraTable::Get().StartDates()[eraIndex - 1].year;
    // 64 bits: the fields of a date are public and may hold any value.
    return static_cast<std::int32_t>(date.year - firstYear + 1);
}

}  // namespace

EraDate::EraDate(const CalendarDate& date)
    : eraYear(0), month(date.month), day(date.day), eraIndex(EraIndexOf(date)) {
    eraYear = EraYearIn(date, eraIndex);
}

std::int32_t EraIndexOf(const CalendarDate& date) {
    std::int32_t eraIndex = 0;
    for (const CalendarDate& start : EraTable::Get().StartDates()) {
        if (start.serial > date.serial) {
            break;
        }
        ++eraIndex;
    }
    return eraIndex;
}

std::int32_t EraYearOf(const CalendarDate& date) {
    return EraYearIn(date, EraIndexOf(date));
}
