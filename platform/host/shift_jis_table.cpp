#include "platform/host/shift_jis_table.h"

#include <iconv.h>

#include <memory>
#include <type_traits>

namespace host {
namespace {

struct IconvCloser {
    void operator()(iconv_t descriptor) const { iconv_close(descriptor); }
};
using UniqueIconv = std::unique_ptr<std::remove_pointer_t<iconv_t>, IconvCloser>;

// One character through the C library's CP932 converter; 0 when it has no single UTF-16 unit.
char16_t DecodeWithIconv(iconv_t descriptor, const unsigned char* bytes, std::size_t length) {
    char input[2] = {static_cast<char>(bytes[0]), length > 1 ? static_cast<char>(bytes[1]) : '\0'};
    char output[8];
    char* in = input;
    char* out = output;
    std::size_t inLeft = length;
    std::size_t outLeft = sizeof output;
    iconv(descriptor, nullptr, nullptr, nullptr, nullptr);
    if (iconv(descriptor, &in, &inLeft, &out, &outLeft) == static_cast<std::size_t>(-1) ||
        inLeft != 0 || out - output != 2) {
        return 0;
    }
    return static_cast<char16_t>(static_cast<unsigned char>(output[0]) |
                                 static_cast<unsigned char>(output[1]) << 8);
}

// Where a character has several codes, Windows writes the one of the first group here:
// JIS X 0208 rows, then NEC row 13, then the IBM extensions, then NEC's copy of them.
constexpr unsigned char kLeadByteRanges[][2] = {
    {0x81, 0x84}, {0x88, 0x9F}, {0xE0, 0xEA}, {0x87, 0x87}, {0xFA, 0xFC},
    {0xED, 0xEE}, {0x85, 0x86}, {0xEB, 0xEC}, {0xEF, 0xF9},
};

}  // namespace

const ShiftJisTable& ShiftJisTable::Get() {
    static const ShiftJisTable table;
    return table;
}

ShiftJisTable::ShiftJisTable() {
    for (unsigned int byte = 0; byte < 0x80; ++byte) {
        toUnicode_[byte] = static_cast<char16_t>(byte);
    }
    // Windows gives the bytes outside JIS a code of their own (private use for four of them).
    toUnicode_[0x80] = u'\u0080';
    toUnicode_[0xA0] = u'\uF8F0';
    toUnicode_[0xFD] = u'\uF8F1';
    toUnicode_[0xFE] = u'\uF8F2';
    toUnicode_[0xFF] = u'\uF8F3';
    for (unsigned int byte = 0xA1; byte <= 0xDF; ++byte) {
        toUnicode_[byte] = static_cast<char16_t>(0xFF61 + (byte - 0xA1));
    }
    for (unsigned int code = 1; code < 0x100; ++code) {
        if (toUnicode_[code] != 0) {
            fromUnicode_[toUnicode_[code]] = static_cast<std::uint16_t>(code);
        }
    }

    const iconv_t opened = iconv_open("UTF-16LE", "CP932");
    if (opened == reinterpret_cast<iconv_t>(-1)) {
        return;  // no converter: the single bytes above still work
    }
    const UniqueIconv descriptor(opened);
    for (const auto& range : kLeadByteRanges) {
        for (unsigned int lead = range[0]; lead <= range[1]; ++lead) {
            for (unsigned int trail = 0x40; trail <= 0xFC; ++trail) {
                if (!IsTrailByte(static_cast<unsigned char>(trail))) {
                    continue;
                }
                const unsigned char pair[2] = {static_cast<unsigned char>(lead),
                                               static_cast<unsigned char>(trail)};
                const char16_t unit = DecodeWithIconv(descriptor.get(), pair, 2);
                const std::uint16_t code = static_cast<std::uint16_t>(lead << 8 | trail);
                toUnicode_[code] = unit;
                if (unit != 0 && fromUnicode_[unit] == 0) {
                    fromUnicode_[unit] = code;
                }
            }
        }
    }
}

}  // namespace host
