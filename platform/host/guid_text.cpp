#include "platform/host/guid_text.h"

#include <cstdint>

namespace host {
namespace {

int HexValue(char digit) {
    if (digit >= '0' && digit <= '9') {
        return digit - '0';
    }
    if (digit >= 'a' && digit <= 'f') {
        return digit - 'a' + 10;
    }
    if (digit >= 'A' && digit <= 'F') {
        return digit - 'A' + 10;
    }
    return -1;
}

// Reads count hex digits at text[at]; false when one is not a hex digit.
bool ReadHex(std::string_view text, std::size_t at, std::size_t count, std::uint32_t& value) {
    value = 0;
    for (std::size_t i = 0; i < count; ++i) {
        const int digit = HexValue(text[at + i]);
        if (digit < 0) {
            return false;
        }
        value = value << 4 | static_cast<std::uint32_t>(digit);
    }
    return true;
}

}  // namespace

std::optional<GUID> ParseGuid(std::string_view text) {
    constexpr std::string_view kShape = "{XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}";
    if (text.size() != kShape.size()) {
        return std::nullopt;
    }
    for (std::size_t at = 0; at < kShape.size(); ++at) {
        if (kShape[at] != 'X' && text[at] != kShape[at]) {
            return std::nullopt;
        }
    }
    GUID guid{};
    std::uint32_t value = 0;
    if (!ReadHex(text, 1, 8, value)) {
        return std::nullopt;
    }
    guid.Data1 = value;
    if (!ReadHex(text, 10, 4, value)) {
        return std::nullopt;
    }
    guid.Data2 = static_cast<std::uint16_t>(value);
    if (!ReadHex(text, 15, 4, value)) {
        return std::nullopt;
    }
    guid.Data3 = static_cast<std::uint16_t>(value);
    // Data4: two bytes before the last dash, six after it.
    constexpr std::size_t kByteOffsets[8] = {20, 22, 25, 27, 29, 31, 33, 35};
    for (std::size_t i = 0; i < 8; ++i) {
        if (!ReadHex(text, kByteOffsets[i], 2, value)) {
            return std::nullopt;
        }
        guid.Data4[i] = static_cast<std::uint8_t>(value);
    }
    return guid;
}

}  // namespace host
