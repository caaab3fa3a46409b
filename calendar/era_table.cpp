#include "calendar/era_table.h"

namespace {

// Era 16 (M) is the first era with an initial.
constexpr std::int32_t kFirstEraWithInitial = 16;
constexpr std::array<char, 5> kInitials = {'M', 'T', 'S', 'H', 'R'};

}  // namespace

EraTable::EraTable()
    : startDates_{{
          CalendarDate(1764, 1, 1), CalendarDate(1772, 1, 1),  CalendarDate(1781, 1, 1),
          CalendarDate(1789, 1, 1), CalendarDate(1801, 1, 1),  CalendarDate(1804, 1, 1),
          CalendarDate(1818, 1, 1), CalendarDate(1830, 1, 1),  CalendarDate(1844, 1, 1),
          CalendarDate(1848, 1, 1), CalendarDate(1854, 1, 1),  CalendarDate(1860, 1, 1),
          CalendarDate(1861, 1, 1), CalendarDate(1864, 1, 1),  CalendarDate(1865, 4, 7),
          CalendarDate(1868, 9, 8), CalendarDate(1912, 7, 30), CalendarDate(1926, 12, 25),
          CalendarDate(1989, 1, 8), CalendarDate(2019, 5, 1),
      }},
      names_{{
          "\x95\xF3\x97\xEF", "\x96\xBE\x98\x61", "\x88\xC0\x89\x69", "\x93\x56\x96\xBE",
          "\x8A\xB0\x90\xAD", "\x8B\x9C\x98\x61", "\x95\xB6\x89\xBB", "\x95\xB6\x90\xAD",
          "\x93\x56\x95\xDB", "\x8D\x4F\x89\xBB", "\x89\xC3\x89\x69", "\x88\xC0\x90\xAD",
          "\x96\x9C\x89\x84", "\x95\xB6\x8B\x76", "\x8C\xB3\x8E\xA1", "\x8C\x63\x89\x9E",
          "\x96\xBE\x8E\xA1", "\x91\xE5\x90\xB3", "\x8F\xBA\x98\x61", "\x95\xBD\x90\xAC",
          "\x97\xDF\x98\x61",
      }} {}

const EraTable& EraTable::Get() {
    // A function-local static, so start-up code in another translation unit that reaches the
    // table first still finds it whole.
    static const EraTable table;
    return table;
}

const std::string& EraTable::Name(std::int32_t eraIndex) const {
    static const std::string none;
    if (eraIndex < 0 || eraIndex >= kEraCount) {
        return none;
    }
    return names_[eraIndex];
}

std::int32_t EraInitial(std::int32_t eraIndex) {
    constexpr std::int32_t end = kFirstEraWithInitial + static_cast<std::int32_t>(kInitials.size());
    if (eraIndex < kFirstEraWithInitial || eraIndex >= end) {
        return -1;
    }
    return kInitials[eraIndex - kFirstEraWithInitial];
}

namespace {

// Builds the table during static initialisation, before the entry point runs, so no caller
// pays for it later.
[[maybe_unused]] const EraTable& builtAtStartup = EraTable::Get();

}  // namespace
