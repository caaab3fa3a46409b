// The run-time's multibyte string functions under code page 932, over edge cases chosen to
// cut double-byte characters and over the random corpus.
#include <cstring>
#include <vector>

#include "probe_corpus.h"
#include "probe_sections.h"

namespace {

std::string Offset(const unsigned char* found, const PaddedText& text) {
    return found == nullptr ? std::string("null") : std::to_string(found - text.bytes());
}

int Sign(int value) {
    return (value > 0) - (value < 0);
}

// A lone lead byte at the end, counts cutting a pair, trail byte 0x5C, the odd single bytes.
const char* const kEdgeCases[] = {
    "",
    "a",
    "abc",
    "\x95\x5C",
    "a\x95\x5C"
    "b",
    "\x81",
    "a\x81",
    "\x95\x5C\x81",
    "\x81\x5C\x5C",
    "\\\x83\x5C\\",
    "\x80\xA0\xFD\xFE\xFF",
    "\x81\x20",
    "\x81\x7F",
    "\x81\xFD",
    "\x82\xA0\x82\xA2",
    "\xEA\xA4\xEB\x40",
};

const unsigned kCharacters[] = {'\\', '.', 'a', 0x95, 0x81, 0x955C, 0x815C, 0x8140, 0x00};

// Whether text ends in a lead byte with no trail, by code page 932's lead ranges, fixed here
// so the keys do not hang on the layer under test.
bool EndsInLoneLead(const std::string& text) {
    bool lone = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        const bool lead = (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
        if (lead) {
            lone = i + 1 == text.size();
            ++i;
        }
    }
    return lone;
}

std::string Block(const unsigned char* bytes, std::size_t size) {
    return Printable(std::string(reinterpret_cast<const char*>(bytes), size));
}

void ProbeOne(const std::string& key, const std::string& text, ProbeOutput& output) {
    const PaddedText padded(text);
    output.Line("mbstring", "mbslen." + key, std::to_string(_mbslen(padded.bytes())));
    for (const unsigned character : kCharacters) {
        char suffix[16];
        std::snprintf(suffix, sizeof suffix, ".%X", character);
        // Searching for the terminator past a lone lead byte: marked in the key, as Wine
        // then reads beyond the string.
        const std::string mark = character == 0 && EndsInLoneLead(text) ? "-after-lone-lead" : "";
        output.Line("mbstring", "mbschr." + key + suffix + mark,
                    Offset(_mbschr(padded.bytes(), character), padded));
        output.Line("mbstring", "mbsrchr." + key + suffix + mark,
                    Offset(_mbsrchr(padded.bytes(), character), padded));
    }
    for (std::size_t count = 0; count <= text.size() + 1 && count <= 12; ++count) {
        const std::string n = "." + std::to_string(count);
        // The destination starts filled so padding and stray writes show.
        unsigned char copy[24];
        std::memset(copy, '#', sizeof copy);
        _mbsnbcpy(copy, padded.bytes(), count);
        output.Line("mbstring", "mbsnbcpy." + key + n, Block(copy, count + 2));

        std::vector<unsigned char> set(text.begin(), text.end());
        set.push_back(0);
        set.push_back('#');
        set.push_back(0);
        _mbsnbset(set.data(), 0x8140, count);
        output.Line("mbstring", "mbsnbset.8140." + key + n, Block(set.data(), set.size()));
        std::vector<unsigned char> single(text.begin(), text.end());
        single.push_back(0);
        single.push_back('#');
        single.push_back(0);
        _mbsnbset(single.data(), 'x', count);
        output.Line("mbstring", "mbsnbset.78." + key + n, Block(single.data(), single.size()));
    }
}

// Whether the first count bytes of text (or all of it, when shorter) end between characters
// and hold no lead byte whose trail is the terminator.
bool EndsOnCharacter(const std::string& text, std::size_t count) {
    std::size_t index = 0;
    while (index < count && index < text.size()) {
        if (!_ismbblead(static_cast<unsigned char>(text[index]))) {
            ++index;
        } else if (index + 1 >= text.size()) {
            return false;
        } else {
            index += 2;
        }
    }
    return index == count || (index < count && index >= text.size());
}

void ProbeCompare(const std::string& key, const std::string& left, const std::string& right,
                  ProbeOutput& output) {
    const PaddedText paddedLeft(left);
    const PaddedText paddedRight(right);
    // Counts that cut a character or reach a lone lead byte go on a line of their own: there
    // Wine reads past the count, where msvcrt's code stops at it.
    std::string whole;
    std::string cut;
    for (std::size_t count = 0; count <= 8; ++count) {
        const std::string result =
            std::to_string(Sign(_mbsnbcmp(paddedLeft.bytes(), paddedRight.bytes(), count)));
        const bool clean = EndsOnCharacter(left, count) && EndsOnCharacter(right, count);
        whole += (count == 0 ? "" : " ") + (clean ? result : "-");
        cut += (count == 0 ? "" : " ") + (clean ? "-" : result);
    }
    output.Line("mbstring", "mbsnbcmp." + key, whole);
    output.Line("mbstring", "mbsnbcmp.cut." + key, cut);
}

}  // namespace

void ProbeMbstring(const ProbeContext& context, ProbeOutput& output) {
    std::string leads;
    for (unsigned byte = 0; byte < 256; ++byte) {
        leads += _ismbblead(byte) ? '1' : '0';
    }
    output.Line("mbstring", "ismbblead", leads);

    for (const char* text : kEdgeCases) {
        ProbeOne("edge." + Printable(text), text, output);
    }
    for (const char* left : kEdgeCases) {
        for (const char* right : kEdgeCases) {
            ProbeCompare("edge." + Printable(left) + "." + Printable(right), left, right, output);
        }
    }
    const std::vector<std::string> corpus = RandomPaths(context.seed * 7 + 1, 2000, 24);
    for (std::size_t i = 0; i < corpus.size(); ++i) {
        const std::string key = "random." + std::to_string(i);
        output.Line("mbstring", "input." + key, Printable(corpus[i]));
        ProbeOne(key, corpus[i], output);
        ProbeCompare(key, corpus[i], corpus[(i + 1) % corpus.size()], output);
        // The same text with its last byte changed: where a cut count sees a difference.
        std::string changed = corpus[i];
        if (!changed.empty()) {
            changed.back() = static_cast<char>(changed.back() == 'x' ? 'y' : 'x');
        }
        ProbeCompare(key + ".changed", corpus[i], changed, output);
    }
}
