// The double-byte-aware string operations against a plain walk over the characters, where a
// lead byte and the byte after it are one character.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "fsutil/mbcs_string.h"
#include "character_width.h"
#include "fuzz_support.h"

namespace {

int ReferenceReverseFind(const std::string& text, char byte) {
    int found = -1;
    for (std::size_t at = 0; at < text.size(); at += WidthAt(text, at)) {
        if (text[at] == byte) {
            found = static_cast<int>(at);
        }
    }
    return found;
}

// Whether the characters of text from at on begin with the characters of search.
bool CharactersMatch(const std::string& text, std::size_t at, const std::string& search) {
    std::size_t i = 0;
    while (i < search.size()) {
        if (at >= text.size()) {
            return false;
        }
        const std::size_t width = WidthAt(search, i);
        if (WidthAt(text, at) != width || text.compare(at, width, search, i, width) != 0) {
            return false;
        }
        at += width;
        i += width;
    }
    return true;
}

// A match is a run of whole characters equal to the characters of search.
std::string ReferenceReplaceAll(const std::string& text, const std::string& search,
                                const std::string& replacement) {
    if (search.empty()) {
        return text;
    }
    std::string result;
    std::size_t at = 0;
    while (at < text.size()) {
        if (CharactersMatch(text, at, search)) {
            result += replacement;
            at += search.size();
        } else {
            result.append(text, at, WidthAt(text, at));
            at += WidthAt(text, at);
        }
    }
    return result;
}

// The longest run of whole characters within limit bytes; a lead byte followed by the
// terminator is no character.
std::size_t ReferencePrefixLength(const std::string& text, std::size_t limit) {
    std::size_t length = 0;
    while (length < text.size()) {
        const std::size_t width = WidthAt(text, length);
        const bool whole = !(IsLeadByte(text[length]) && width == 1);
        if (!whole || length + width > limit) {
            break;
        }
        length += width;
    }
    return length;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider provider(data, size);
    const char byte = provider.ConsumeIntegral<char>();
    const std::size_t limit = provider.ConsumeIntegralInRange<std::size_t>(0, 300);
    // Short search and replacement keep the result, and the reference's cost, linear.
    const std::string search = provider.ConsumeRandomLengthString(16);
    const std::string replacement = provider.ConsumeRandomLengthString(8);
    const std::string text = provider.ConsumeRemainingBytesAsString();

    // The lead bytes of code page 932; every walk here relies on them.
    const auto value = static_cast<unsigned char>(byte);
    Require(IsLeadByte(byte) ==
            ((value >= 0x81 && value <= 0x9F) || (value >= 0xE0 && value <= 0xFC)));

    Require(ReverseFindChar(text, byte) == ReferenceReverseFind(text, byte));

    std::string replaced = text;
    ReplaceAll(replaced, search, replacement);
    Require(replaced == ReferenceReplaceAll(text, search, replacement));

    // The prefix is measured on a C string: the text up to its first zero byte.
    const std::string terminated(text.c_str());
    Require(WholeCharacterPrefixLength(terminated.c_str(), limit) ==
            ReferencePrefixLength(terminated, limit));
    return 0;
}
