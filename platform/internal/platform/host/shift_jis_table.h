// Code page 932 (Shift-JIS with the Windows extensions) as Windows converts it, from tables
// made at compile time.
#pragma once

#include <cstdint>

namespace host::shift_jis {

// What Windows reads where the bytes hold no character.
constexpr char16_t kNoCharacter = u'\u30FB';

constexpr bool IsLeadByte(unsigned char byte) {
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

// A byte that is no lead byte.
char16_t DecodeSingle(unsigned char byte);
// A lead byte and the byte after it, whatever that is: kNoCharacter when the pair has none.
char16_t DecodePair(unsigned char lead, unsigned char trail);
// One byte (a code up to 0xFF) or lead << 8 | trail; '?' for a unit Windows cannot write.
std::uint16_t Encode(char16_t unit);

}  // namespace host::shift_jis
