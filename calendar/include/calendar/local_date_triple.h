// Today's date on the machine's clock in local time.
#pragma once

#include <cstdint>
#include <ctime>

struct LocalDateTriple {
    // Reads the clock through _time64 and _localtime64.
    LocalDateTriple();
    // Null (the run-time could not break the time down) leaves 0-0-0, which SetDate rejects,
    // so an unreadable clock reads as an empty date rather than a wrong one.
    explicit LocalDateTriple(const std::tm* local);

    std::int32_t year = 0;
    std::int32_t month = 0;
    std::int32_t day = 0;
};
