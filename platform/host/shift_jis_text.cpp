#include "platform/host/shift_jis_table.h"
#include "platform/host/unicode_text.h"

namespace host {
namespace {

constexpr char16_t kUndecodable = u'\u30FB';

}  // namespace

Utf16Result ShiftJisToUtf16(const char* text, std::size_t length) {
    const ShiftJisTable& table = ShiftJisTable::Get();
    Utf16Result result;
    const auto* bytes = reinterpret_cast<const unsigned char*>(text);
    std::size_t at = 0;
    while (at < length) {
        const unsigned char byte = bytes[at];
        if (!ShiftJisTable::IsLeadByte(byte)) {
            result.text.push_back(table.Decode(byte));
            ++at;
            continue;
        }
        if (at + 1 >= length || !ShiftJisTable::IsTrailByte(bytes[at + 1])) {
            result.text.push_back(kUndecodable);
            result.replaced = true;
            ++at;
            continue;
        }
        const char16_t unit = table.Decode(static_cast<std::uint16_t>(byte << 8 | bytes[at + 1]));
        result.text.push_back(unit != 0 ? unit : kUndecodable);
        result.replaced = result.replaced || unit == 0;
        at += 2;
    }
    return result;
}

NarrowResult Utf16ToShiftJis(const char16_t* text, std::size_t length,
                             const std::string& defaultCharacter) {
    const ShiftJisTable& table = ShiftJisTable::Get();
    NarrowResult result;
    for (std::size_t at = 0; at < length; ++at) {
        const char16_t unit = text[at];
        const std::uint16_t code = table.Encode(unit);
        if (code == 0 && unit != 0) {
            result.text += defaultCharacter;
            result.replaced = true;
        } else if (code > 0xFF) {
            result.text.push_back(static_cast<char>(code >> 8));
            result.text.push_back(static_cast<char>(code & 0xFF));
        } else {
            result.text.push_back(static_cast<char>(code));
        }
    }
    return result;
}

}  // namespace host
