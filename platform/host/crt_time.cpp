#include "platform/win32.h"

__time64_t _time64(__time64_t* destination) {
    const __time64_t now = static_cast<__time64_t>(std::time(nullptr));
    if (destination != nullptr) {
        *destination = now;
    }
    return now;
}

struct tm* _localtime64(const __time64_t* time) {
    thread_local struct tm broken_down {};
    if (time == nullptr || *time < 0) {
        return nullptr;
    }
    const std::time_t value = static_cast<std::time_t>(*time);
    return localtime_r(&value, &broken_down);
}
