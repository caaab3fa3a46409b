#include "calendar/local_date_triple.h"

#include "platform/win32.h"

namespace {

const std::tm* LocalTimeNow() {
    const __time64_t now = _time64(nullptr);
    // A failed clock read gives -1, which _localtime64 refuses with null.
    return _localtime64(&now);
}

}  // namespace

LocalDateTriple::LocalDateTriple() : LocalDateTriple(LocalTimeNow()) {}

LocalDateTriple::LocalDateTriple(const std::tm* local) {
    if (local == nullptr) {
        return;
    }
    year = local->tm_year + 1900;
    month = local->tm_mon + 1;
    day = local->tm_mday;
}
