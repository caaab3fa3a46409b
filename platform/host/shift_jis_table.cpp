#include "platform/host/shift_jis_table.h"

#include <array>

#include "platform/host/shift_jis_data.h"

namespace host::shift_jis {
namespace {

using shift_jis_data::kRows;

constexpr bool IsTrailByte(unsigned char byte) {
    return byte >= 0x40 && byte <= 0xFC && byte != 0x7F;
}

constexpr bool IsUserDefinedLead(unsigned char lead) {
    return lead >= 0xF0 && lead <= 0xF9;
}

// The row of kRows: lead bytes 0x81-0x9F, 0xE0-0xEF, then 0xFA-0xFC.
constexpr int RowOf(unsigned char lead) {
    if (lead <= 0x9F) {
        return lead - 0x81;
    }
    return lead <= 0xEF ? lead - 0xE0 + 0x1F : lead - 0xFA + 0x2F;
}

constexpr char16_t SingleUnit(unsigned char byte) {
    // Windows gives the bytes outside JIS codes of their own, so names holding them survive.
    if (byte == 0xA0) {
        return u'\uF8F0';
    }
    if (byte >= 0xA1 && byte <= 0xDF) {
        return static_cast<char16_t>(u'\uFF61' + (byte - 0xA1));  // half-width katakana
    }
    if (byte >= 0xFD) {
        return static_cast<char16_t>(u'\uF8F1' + (byte - 0xFD));
    }
    return byte;
}

constexpr char16_t PairUnit(unsigned char lead, unsigned char trail) {
    if (!IsTrailByte(trail)) {
        return kNoCharacter;
    }
    const int column = trail - 0x40;
    if (IsUserDefinedLead(lead)) {
        // 188 trail bytes a row, in order, onto the private use area.
        return static_cast<char16_t>(0xE000 + (lead - 0xF0) * 188 + column - (trail > 0x7F));
    }
    return kRows[RowOf(lead)][column];
}

using EncodeTable = std::array<std::uint16_t, 0x10000>;

// The first code read as a unit is the one Windows writes, except that the NEC-selected IBM
// rows (0xED, 0xEE) lose to every other copy. U+30FB also marks pairs without a character: its
// own code 0x8145 comes first. 0 stays for units without a code (U+0000 aside).
constexpr void AddRow(EncodeTable& codes, unsigned char lead) {
    for (unsigned int trail = 0x40; trail <= 0xFC; ++trail) {
        if (trail == 0x7F) {
            continue;
        }
        std::uint16_t& code = codes[PairUnit(lead, static_cast<unsigned char>(trail))];
        if (code == 0) {
            code = static_cast<std::uint16_t>(lead << 8 | trail);
        }
    }
}

constexpr EncodeTable BuildEncodeTable() {
    EncodeTable codes{};
    for (unsigned int byte = 1; byte <= 0xFF; ++byte) {
        if (!IsLeadByte(static_cast<unsigned char>(byte))) {
            codes[SingleUnit(static_cast<unsigned char>(byte))] = static_cast<std::uint16_t>(byte);
        }
    }
    for (unsigned int lead = 0x81; lead <= 0xFC; ++lead) {
        if (IsLeadByte(static_cast<unsigned char>(lead)) && lead != 0xED && lead != 0xEE) {
            AddRow(codes, static_cast<unsigned char>(lead));
        }
    }
    AddRow(codes, 0xED);
    AddRow(codes, 0xEE);
    for (const auto& exception : shift_jis_data::kEncodeExceptions) {
        codes[exception.unit] = exception.code;
    }
    return codes;
}

constexpr EncodeTable kEncodeTable = BuildEncodeTable();

}  // namespace

char16_t DecodeSingle(unsigned char byte) {
    return SingleUnit(byte);
}

char16_t DecodePair(unsigned char lead, unsigned char trail) {
    return PairUnit(lead, trail);
}

std::uint16_t Encode(char16_t unit) {
    const std::uint16_t code = kEncodeTable[unit];
    return code == 0 && unit != 0 ? '?' : code;
}

}  // namespace host::shift_jis
