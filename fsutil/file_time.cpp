#include "fsutil/file_time.h"

__time64_t FileTimeToTime64(const FILETIME& fileTime, int daylight) {
    FILETIME localFileTime{};
    SYSTEMTIME localTime{};
    if (!FileTimeToLocalFileTime(&fileTime, &localFileTime) ||
        !FileTimeToSystemTime(&localFileTime, &localTime)) {
        return 0;
    }
    return SystemTimeToTime64(localTime, daylight);
}

__time64_t SystemTimeToTime64(const SYSTEMTIME& systemTime, int daylight) {
    if (systemTime.wYear < 1900) {
        return 0;
    }
    struct tm localTime {};
    localTime.tm_sec = systemTime.wSecond;
    localTime.tm_min = systemTime.wMinute;
    localTime.tm_hour = systemTime.wHour;
    localTime.tm_mday = systemTime.wDay;
    localTime.tm_mon = systemTime.wMonth - 1;
    localTime.tm_year = systemTime.wYear - 1900;
    localTime.tm_isdst = daylight;
    return _mktime64(&localTime);
}
