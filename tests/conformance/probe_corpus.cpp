#include "probe_corpus.h"

std::uint64_t SplitMix64::Next() {
    std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

namespace {

// Pieces drawn with weights; the Shift-JIS ones dominate.
void AppendPiece(SplitMix64& random, std::string& text) {
    static const char* const kFixed[] = {
        "\\",   "/",        ".",        "..",       "\\\\", " ",    "a",    "Z",
        "ext",  "\x95\x5C", "\x83\x5C", "\x81\x5C", "\x80", "\xA0", "\xFD", "\xFE",
        "\xFF", "\x7F",     "*",        "?",        "C:",   ":",
    };
    const std::uint32_t kind = random.Below(10);
    if (kind < 4) {
        // A pair with any lead byte and a trail from the whole trail range, 0x5C included.
        static const unsigned char kLeadStarts[] = {0x81, 0xE0};
        const unsigned start = kLeadStarts[random.Below(2)];
        const unsigned lead = start + random.Below(start == 0x81 ? 0x1F : 0x1D);
        unsigned trail = 0x40 + random.Below(0xBD);
        if (trail == 0x7F) {
            trail = 0x5C;
        }
        text.push_back(static_cast<char>(lead));
        text.push_back(static_cast<char>(trail));
    } else if (kind < 5) {
        // A lead byte followed by anything but zero: often no valid trail.
        text.push_back(static_cast<char>(0x81 + random.Below(0x1F)));
        text.push_back(static_cast<char>(1 + random.Below(255)));
    } else if (kind < 7) {
        text.push_back(static_cast<char>('a' + random.Below(26)));
    } else {
        text += kFixed[random.Below(sizeof kFixed / sizeof kFixed[0])];
    }
}

}  // namespace

std::vector<std::string> RandomPaths(std::uint64_t seed, std::size_t count, std::size_t maxLength) {
    static const char* const kPrefixes[] = {"", "", "C:\\", "c:", "\\\\srv\\share\\", "\\", "./"};
    SplitMix64 random(seed);
    std::vector<std::string> paths;
    paths.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        std::string text = kPrefixes[random.Below(sizeof kPrefixes / sizeof kPrefixes[0])];
        const std::size_t pieces = 1 + random.Below(12);
        for (std::size_t p = 0; p < pieces; ++p) {
            AppendPiece(random, text);
        }
        // Sometimes a lone lead byte at the very end.
        if (random.Below(6) == 0) {
            text.push_back(static_cast<char>(0x81 + random.Below(0x1F)));
        }
        if (text.size() >= maxLength) {
            text.resize(maxLength - 1);
        }
        paths.push_back(text);
    }
    return paths;
}

PaddedText::PaddedText(const std::string& text) : bytes_(text.begin(), text.end()) {
    bytes_.resize(text.size() + 16, '\0');
}
