#include "probe_output.h"

void ProbeOutput::Line(std::string_view section, std::string_view key, std::string_view value) {
    std::string line;
    line.reserve(section.size() + key.size() + value.size() + 3);
    line.append(section).append(".").append(key).append("\t").append(value).append("\n");
    std::fwrite(line.data(), 1, line.size(), stream_);
    ++lines_;
}

std::string Printable(std::string_view bytes) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string text;
    text.reserve(bytes.size());
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte > 0x20 && byte < 0x7F && byte != '\\' && byte != '|') {
            text.push_back(c);
        } else {
            text += "\\x";
            text.push_back(kDigits[byte >> 4]);
            text.push_back(kDigits[byte & 0xF]);
        }
    }
    return text;
}

std::string Quoted(const char* text) {
    return text == nullptr ? std::string("(null)") : "\"" + Printable(text) + "\"";
}

std::string Units(const WCHAR* units, std::size_t count) {
    std::string text;
    char unit[8];
    for (std::size_t i = 0; i < count; ++i) {
        std::snprintf(unit, sizeof unit, i == 0 ? "%04X" : " %04X",
                      static_cast<unsigned>(units[i]));
        text += unit;
    }
    return text;
}

std::string ResultWithError(bool succeeded, DWORD error) {
    return succeeded ? std::string("1") : "0 err=" + std::to_string(error);
}

std::string Hex32(std::uint32_t value) {
    char text[16];
    std::snprintf(text, sizeof text, "%08X", static_cast<unsigned>(value));
    return text;
}
