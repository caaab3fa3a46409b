// Today's local date as the C run-time's own clock and calendar give it: a reference for the
// dates the product writes that owes nothing to the product's calendar.
#pragma once

#include <ctime>
#include <string>

// "YYYYMMDD".
inline std::string LocalDateAsEightDigits() {
    const std::time_t now = std::time(nullptr);
    const std::tm* local = std::localtime(&now);
    char text[16] = {};
    std::strftime(text, sizeof text, "%Y%m%d", local);
    return text;
}
