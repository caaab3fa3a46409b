// Code page 932 (Shift-JIS with the Windows extensions) as two lookup tables.
#pragma once

#include <array>
#include <cstdint>

namespace host {

class ShiftJisTable {
  public:
    // Built on first use; shared by every thread afterwards.
    static const ShiftJisTable& Get();

    static bool IsLeadByte(unsigned char byte) {
        return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
    }
    static bool IsTrailByte(unsigned char byte) {
        return byte >= 0x40 && byte <= 0xFC && byte != 0x7F;
    }

    // The UTF-16 unit of a single byte (not a lead byte) or of a lead-trail pair
    // (lead << 8 | trail); 0 when unassigned (the byte 0 aside).
    char16_t Decode(std::uint16_t code) const { return toUnicode_[code]; }
    // The single byte or lead-trail pair of a UTF-16 unit; 0 when it has none (U+0000 aside).
    std::uint16_t Encode(char16_t unit) const { return fromUnicode_[unit]; }

  private:
    ShiftJisTable();

    std::array<char16_t, 0x10000> toUnicode_{};
    std::array<std::uint16_t, 0x10000> fromUnicode_{};
};

}  // namespace host
