#include <array>
#include <cstdint>

#include "platform/host/unicode_text.h"

namespace {

// Bytes 0x80 to 0x9F; the five Windows leaves undefined keep their C1 control's value.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char16_t Decode(unsigned char byte) {
    return byte >= 0x80 && byte <= 0x9F ? kHighControls[byte - 0x80u] : char16_t{byte};
}

char Encode(char16_t unit) {
    if (unit < 0x80 || (unit >= 0xA0 && unit <= 0xFF)) {
        return static_cast<char>(unit);
    }
    for (std::size_t index = 0; index < kHighControls.size(); ++index) {
        if (kHighControls[index] == unit) {
            return static_cast<char>(0x80 + index);
        }
    }
    return '?';
}

}  // namespace

namespace host {

std::u16string Windows1252ToUtf16(const char* text, std::size_t length) {
    std::u16string result;
    result.reserve(length);
    for (std::size_t at = 0; at < length; ++at) {
        result.push_back(Decode(static_cast<unsigned char>(text[at])));
    }
    return result;
}

std::string Utf16ToWindows1252(const char16_t* text, std::size_t length) {
    std::string result;
    result.reserve(length);
    for (std::size_t at = 0; at < length; ++at) {
        result.push_back(Encode(text[at]));
    }
    return result;
}

}  // namespace host
