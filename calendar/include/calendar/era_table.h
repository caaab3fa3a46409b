// The 21 Japanese eras from the one containing 1758 to the one beginning in 2019.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "calendar/calendar_date.h"

class EraTable {
  public:
    static constexpr std::int32_t kEraCount = 21;

    static const EraTable& Get();

    EraTable(const EraTable&) = delete;
    EraTable& operator=(const EraTable&) = delete;

    // Ascending; era i starts at position i - 1. Era 0 has no start: it covers every earlier
    // day.
    const std::array<CalendarDate, kEraCount - 1>& StartDates() const { return startDates_; }
    // Two Shift-JIS characters; empty for an index outside the table.
    const std::string& Name(std::int32_t eraIndex) const;

  private:
    EraTable();

    std::array<CalendarDate, kEraCount - 1> startDates_;
    std::array<std::string, kEraCount> names_;
};

// The Latin initial of eras 16 to 20 as a character code, -1 for every other index.
std::int32_t EraInitial(std::int32_t eraIndex);
