// Code page 932 in both directions over every input a narrow or wide string can start with.
#include <cstdio>
#include <vector>

#include "probe_sections.h"

namespace {

std::string HexByte(unsigned value) {
    char text[4];
    std::snprintf(text, sizeof text, "%02X", value & 0xFF);
    return text;
}

// The units MultiByteToWideChar makes of bytes, or "0 err=N" when it fails.
std::string ToWide(const std::string& bytes) {
    WCHAR units[8] = {};
    SetLastError(0);
    const int count = MultiByteToWideChar(CP_THREAD_ACP, 0, bytes.data(),
                                          static_cast<int>(bytes.size()), units, 8);
    if (count <= 0) {
        return ResultWithError(false, GetLastError());
    }
    return Units(units, static_cast<std::size_t>(count));
}

std::string ToNarrow(const WCHAR* units, int count) {
    char bytes[16] = {};
    SetLastError(0);
    const int written =
        WideCharToMultiByte(CP_THREAD_ACP, 0, units, count, bytes, sizeof bytes, nullptr, nullptr);
    if (written <= 0) {
        return ResultWithError(false, GetLastError());
    }
    std::string text;
    for (int i = 0; i < written; ++i) {
        text += HexByte(static_cast<unsigned char>(bytes[i]));
    }
    return text;
}

void ProbeSingleBytes(ProbeOutput& output) {
    for (unsigned row = 0; row < 256; row += 16) {
        std::string line;
        for (unsigned byte = row; byte < row + 16; ++byte) {
            line += (byte == row ? "" : "|") + ToWide(std::string(1, static_cast<char>(byte)));
        }
        output.Line("codec", "mb.single." + HexByte(row), line);
    }
}

// One line per first byte: the pair with each second byte, and the byte alone after "a".
void ProbePairs(ProbeOutput& output) {
    for (unsigned first = 0; first < 256; ++first) {
        std::string line;
        for (unsigned second = 0; second < 256; ++second) {
            const char pair[2] = {static_cast<char>(first), static_cast<char>(second)};
            line += (second == 0 ? "" : "|") + ToWide(std::string(pair, 2));
        }
        output.Line("codec", "mb.pair." + HexByte(first), line);
        output.Line("codec", "mb.end." + HexByte(first),
                    ToWide(std::string("a") + static_cast<char>(first)));
    }
}

void ProbeUnits(ProbeOutput& output) {
    for (unsigned row = 0; row < 0x10000; row += 256) {
        std::string line;
        for (unsigned unit = row; unit < row + 256; ++unit) {
            const WCHAR wide = static_cast<WCHAR>(unit);
            line += (unit == row ? "" : "|") + ToNarrow(&wide, 1);
        }
        char key[16];
        std::snprintf(key, sizeof key, "wc.%04X", row);
        output.Line("codec", key, line);
    }
    // Surrogates in pairs and out of order.
    const WCHAR pairs[][2] = {{0xD800, 0xDC00}, {0xDBFF, 0xDFFF}, {0xDC00, 0xD800}, {0xD800, 0x41}};
    for (const auto& pair : pairs) {
        output.Line("codec", "wc.surrogates." + Units(pair, 2), ToNarrow(pair, 2));
    }
}

// Size queries, terminators and buffers one unit or byte too short.
void ProbeSizes(ProbeOutput& output) {
    const char* const kNarrow[] = {"", "abc", "\x95\x5C", "a\x81", "a\x81 b", "\x80\xA0\xFD"};
    for (const char* text : kNarrow) {
        const std::string key = Printable(text);
        SetLastError(0);
        const int needed = MultiByteToWideChar(CP_THREAD_ACP, 0, text, -1, nullptr, 0);
        output.Line("codec", "mb.size." + key,
                    std::to_string(needed) + " err=" + std::to_string(GetLastError()));
        std::vector<WCHAR> units(needed > 0 ? static_cast<std::size_t>(needed) : 1, 0xEEEE);
        SetLastError(0);
        const int shortCount =
            needed > 1 ? MultiByteToWideChar(CP_THREAD_ACP, 0, text, -1, units.data(), needed - 1)
                       : -1;
        output.Line("codec", "mb.short." + key,
                    std::to_string(shortCount) + " err=" + std::to_string(GetLastError()));
    }
    const std::vector<std::vector<WCHAR>> kWide = {
        {0}, {0x61, 0}, {0x8868, 0}, {0x8868, 0x61, 0}, {0xFF21, 0x00E9, 0}, {0xF8F0, 0xF8F1, 0}};
    for (const auto& wide : kWide) {
        const std::string key = Units(wide.data(), wide.size() - 1);
        SetLastError(0);
        const int needed =
            WideCharToMultiByte(CP_THREAD_ACP, 0, wide.data(), -1, nullptr, 0, nullptr, nullptr);
        output.Line("codec", "wc.size." + key,
                    std::to_string(needed) + " err=" + std::to_string(GetLastError()));
        char bytes[16];
        SetLastError(0);
        const int shortCount = needed > 1 ? WideCharToMultiByte(CP_THREAD_ACP, 0, wide.data(), -1,
                                                                bytes, needed - 1, nullptr, nullptr)
                                          : -1;
        output.Line("codec", "wc.short." + key,
                    std::to_string(shortCount) + " err=" + std::to_string(GetLastError()));
    }
}

}  // namespace

void ProbeCodec(const ProbeContext&, ProbeOutput& output) {
    output.Line("codec", "acp", std::to_string(GetACP()));
    ProbeSingleBytes(output);
    ProbePairs(output);
    ProbeUnits(output);
    ProbeSizes(output);
}
