#include "platform/host/shift_jis_table.h"
#include "platform/host/unicode_text.h"

namespace host {

std::u16string ShiftJisToUtf16(const char* text, std::size_t length) {
    std::u16string result;
    const auto* bytes = reinterpret_cast<const unsigned char*>(text);
    std::size_t at = 0;
    while (at < length) {
        const unsigned char byte = bytes[at++];
        if (!shift_jis::IsLeadByte(byte)) {
            result.push_back(shift_jis::DecodeSingle(byte));
        } else if (at == length || bytes[at] == 0) {
            // A lead byte at the end, or before a NUL that Windows reads on its own.
            result.push_back(shift_jis::kNoCharacter);
        } else {
            // Windows takes the next byte with the lead byte whether or not it can follow it.
            result.push_back(shift_jis::DecodePair(byte, bytes[at++]));
        }
    }
    return result;
}

std::string Utf16ToShiftJis(const char16_t* text, std::size_t length) {
    std::string result;
    for (std::size_t at = 0; at < length; ++at) {
        const std::uint16_t code = shift_jis::Encode(text[at]);
        if (code > 0xFF) {
            result.push_back(static_cast<char>(code >> 8));
        }
        result.push_back(static_cast<char>(code & 0xFF));
    }
    return result;
}

}  // namespace host
