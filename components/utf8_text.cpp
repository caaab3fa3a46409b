#include "components/utf8_text.h"

#include <climits>

std::string Utf8FromBstr(BSTR text) {
    const UINT length = SysStringLen(text);
    if (length == 0 || length > INT_MAX) {
        return {};
    }
    const int unitCount = static_cast<int>(length);
    const int size = WideCharToMultiByte(CP_UTF8, 0, text, unitCount, nullptr, 0, nullptr, nullptr);
    if (size <= 0) {
        return {};
    }
    std::string utf8(static_cast<std::size_t>(size), '\0');
    const int written =
        WideCharToMultiByte(CP_UTF8, 0, text, unitCount, utf8.data(), size, nullptr, nullptr);
    utf8.resize(written > 0 ? static_cast<std::size_t>(written) : 0);
    return utf8;
}
