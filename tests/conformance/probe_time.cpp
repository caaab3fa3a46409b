// The run-time's 64-bit calendar time in Japan time (TZ=JST-9 on both runs).
#include <cstdio>

#include "probe_sections.h"

namespace {

std::string TmText(const struct tm* time) {
    if (time == nullptr) {
        return "null";
    }
    char text[96];
    std::snprintf(text, sizeof text, "%d-%02d-%02d %02d:%02d:%02d wday=%d yday=%d dst=%d",
                  time->tm_year + 1900, time->tm_mon + 1, time->tm_mday, time->tm_hour,
                  time->tm_min, time->tm_sec, time->tm_wday, time->tm_yday, time->tm_isdst);
    return text;
}

// Seconds from 1970: the epoch, around the 32-bit limit, and the run-time's last second
// (3000-12-31 23:59:59 UTC) and the next.
const __time64_t kTimes[] = {
    -1,
    0,
    1,
    32399,
    32400,
    951782400,
    2147483647LL,
    2147483648LL,
    4102444800LL,
    32535215999LL,
    32535216000LL,
    32535244799LL,
    32535244800LL,
};

struct LocalDate {
    int year, month, day, hour, minute, second, isDst;
};

// Edge dates as local times, out-of-range fields included: mktime normalises them.
const LocalDate kDates[] = {
    {1970, 1, 1, 9, 0, 0, 0},      {1970, 1, 1, 8, 59, 59, 0},  {1969, 12, 31, 23, 59, 59, 0},
    {1900, 1, 1, 0, 0, 0, 0},      {2000, 2, 29, 12, 0, 0, -1}, {2001, 2, 29, 12, 0, 0, 0},
    {2038, 1, 19, 12, 14, 7, 0},   {2038, 1, 19, 12, 14, 8, 0}, {2024, 13, 1, 0, 0, 0, 0},
    {2024, 1, 0, 0, 0, 0, 0},      {2024, 3, 1, 0, 0, -1, 0},   {2024, 1, 1, 24, 60, 60, 0},
    {3000, 12, 31, 23, 59, 59, 0}, {3001, 1, 1, 8, 59, 59, 0},  {3001, 1, 1, 9, 0, 0, 0},
    {2024, 6, 1, 0, 0, 0, 1},
};

}  // namespace

void ProbeTime(const ProbeContext&, ProbeOutput& output) {
    __time64_t stored = 0;
    const __time64_t now = _time64(&stored);
    output.Line("time", "time64.sane", std::to_string(now > 1700000000 && now == stored));
    output.Line("time", "time64.null", std::to_string(_time64(nullptr) >= now));

    for (const __time64_t time : kTimes) {
        output.Line("time", "localtime64." + std::to_string(time), TmText(_localtime64(&time)));
    }
    for (const LocalDate& date : kDates) {
        struct tm time = {};
        time.tm_year = date.year - 1900;
        time.tm_mon = date.month - 1;
        time.tm_mday = date.day;
        time.tm_hour = date.hour;
        time.tm_min = date.minute;
        time.tm_sec = date.second;
        time.tm_isdst = date.isDst;
        char key[64];
        std::snprintf(key, sizeof key, "mktime64.%d-%02d-%02dT%02d:%02d:%02d.%d", date.year,
                      date.month, date.day, date.hour, date.minute, date.second, date.isDst);
        const __time64_t result = _mktime64(&time);
        // What a failed call leaves in the fields is not part of its contract.
        output.Line("time", key,
                    std::to_string(result) + (result == -1 ? std::string() : " " + TmText(&time)));
    }
}
