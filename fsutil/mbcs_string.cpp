#include "fsutil/mbcs_string.h"

#include "platform/win32.h"

bool IsLeadByte(char byte) {
    return _ismbblead(static_cast<unsigned char>(byte)) != 0;
}

int ReverseFindChar(const std::string& text, char byte) {
    int found = -1;
    bool skipTrailByte = false;
    for (std::size_t index = 0; index < text.size(); ++index) {
        if (skipTrailByte) {
            skipTrailByte = false;
            continue;
        }
        if (text[index] == byte) {
            found = static_cast<int>(index);
        }
        skipTrailByte = IsLeadByte(text[index]);
    }
    return found;
}

void ReplaceAll(std::string& text, const std::string& search, const std::string& replacement) {
    if (search.empty()) {
        return;
    }
    // A search that ends in a lead byte must not take the lead byte of a double-byte
    // character in text: that would leave its trail byte standing alone.
    std::size_t searchEnd = 0;
    while (searchEnd < search.size()) {
        searchEnd += IsLeadByte(search[searchEnd]) ? 2 : 1;
    }
    const bool endsInLeadByte = searchEnd > search.size();
    std::string result;
    result.reserve(text.size());
    std::size_t position = 0;
    while (position < text.size()) {
        const bool endsOnBoundary = !endsInLeadByte || position + search.size() == text.size();
        if (endsOnBoundary && text.compare(position, search.size(), search) == 0) {
            result += replacement;
            position += search.size();
            continue;
        }
        // A match may only start on a character boundary, so copy a whole character.
        const bool doubleByte = IsLeadByte(text[position]) && position + 1 < text.size();
        const std::size_t width = doubleByte ? 2 : 1;
        result.append(text, position, width);
        position += width;
    }
    text.swap(result);
}

std::size_t WholeCharacterPrefixLength(const char* text, std::size_t limit) {
    std::size_t length = 0;
    while (text[length] != '\0') {
        std::size_t width = 1;
        if (IsLeadByte(text[length])) {
            if (text[length + 1] == '\0') {
                break;
            }
            width = 2;
        }
        if (length + width > limit) {
            break;
        }
        length += width;
    }
    return length;
}
