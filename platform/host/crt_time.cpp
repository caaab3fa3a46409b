#include "platform/win32.h"

__time64_t _time64(__time64_t* destination) {
    const __time64_t now = static_cast<__time64_t>(std::time(nullptr));
    if (destination != nullptr) {
        *destination = now;
    }
    return now;
}

namespace {

// The Windows run-time's range: 1970-01-01 00:00:00 to 3000-12-31 23:59:59 UTC.
constexpr __time64_t kLatest = 32'535'215'999;

}  // namespace

struct tm* _localtime64(const __time64_t* time) {
    thread_local struct tm broken_down {};
    if (time == nullptr || *time < 0 || *time > kLatest) {
        return nullptr;
    }
    const std::time_t value = static_cast<std::time_t>(*time);
    return localtime_r(&value, &broken_down);
}

__time64_t _mktime64(struct tm* time) {
    if (time == nullptr) {
        return -1;
    }
    tzset();
    struct tm normalized = *time;
    const std::time_t result = std::mktime(&normalized);
    if (result < 0 || result > kLatest) {
        return -1;
    }
    *time = normalized;
    return static_cast<__time64_t>(result);
}
