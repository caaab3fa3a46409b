#include <algorithm>
#include <cstring>

#include "platform/win32.h"

namespace {

// One character of a narrow string: its code (lead byte << 8 | trail byte for a double-byte
// character) and its length in bytes. A lead byte before the terminator stands alone.
struct Character {
    unsigned int code;
    std::size_t length;
};

Character CharacterAt(const unsigned char* text) {
    if (_ismbblead(text[0]) && text[1] != '\0') {
        return {static_cast<unsigned int>(text[0]) << 8 | text[1], 2};
    }
    return {text[0], 1};
}

bool IsLoneLeadByte(const unsigned char* text) {
    return _ismbblead(text[0]) && text[1] == '\0';
}

}  // namespace

int _ismbblead(unsigned int byte) {
    if (GetACP() != 932) {
        return 0;
    }
    // Only the low byte counts, as in the run-time's table lookup: a sign-extended char works.
    const unsigned int value = byte & 0xFF;
    return (value >= 0x81 && value <= 0x9F) || (value >= 0xE0 && value <= 0xFC);
}

unsigned char* _mbsnbcpy(unsigned char* destination, const unsigned char* source,
                         std::size_t count) {
    std::size_t copied = 0;
    while (copied < count && source[copied] != '\0') {
        const std::size_t length = CharacterAt(source + copied).length;
        // A character that does not fit whole, or a lead byte without its trail byte, is
        // dropped.
        if (copied + length > count || IsLoneLeadByte(source + copied)) {
            break;
        }
        std::memcpy(destination + copied, source + copied, length);
        copied += length;
    }
    std::memset(destination + copied, 0, count - copied);
    return destination;
}

// As the run-time compares: a lead byte at the last counted byte is read as an end of string
// (so is the other side's lead byte there), a lead byte before the terminator as 0, and the
// count is charged one byte per right-hand character beyond its first.
int _mbsnbcmp(const unsigned char* left, const unsigned char* right, std::size_t count) {
    while (count > 0) {
        --count;
        unsigned int leftCode = *left++;
        unsigned int rightCode = 0;
        if (_ismbblead(leftCode) && count == 0) {
            leftCode = 0;
            rightCode = _ismbblead(*right) ? 0 : *right;
        } else {
            if (_ismbblead(leftCode)) {
                leftCode = *left == '\0' ? 0 : leftCode << 8 | *left++;
            }
            rightCode = *right++;
            if (_ismbblead(rightCode)) {
                if (count == 0) {
                    rightCode = 0;
                } else {
                    --count;
                    rightCode = *right == '\0' ? 0 : rightCode << 8 | *right++;
                }
            }
        }
        if (leftCode != rightCode) {
            return leftCode > rightCode ? 1 : -1;
        }
        if (leftCode == 0) {
            return 0;
        }
    }
    return 0;
}

// A lead byte before the terminator is no character, as the run-time counts.
std::size_t _mbslen(const unsigned char* text) {
    std::size_t characters = 0;
    for (std::size_t index = 0; text[index] != '\0'; index += CharacterAt(text + index).length) {
        if (!IsLoneLeadByte(text + index)) {
            ++characters;
        }
    }
    return characters;
}

unsigned char* _mbschr(const unsigned char* text, unsigned int character) {
    for (std::size_t index = 0;; index += CharacterAt(text + index).length) {
        if (IsLoneLeadByte(text + index)) {
            return nullptr;  // the run-time's answer to a broken string
        }
        const unsigned int code = CharacterAt(text + index).code;
        if (code == character) {
            return const_cast<unsigned char*>(text + index);
        }
        if (code == 0) {
            return nullptr;
        }
    }
}

unsigned char* _mbsrchr(const unsigned char* text, unsigned int character) {
    const unsigned char* found = nullptr;
    for (std::size_t index = 0;; index += CharacterAt(text + index).length) {
        if (IsLoneLeadByte(text + index)) {
            // The string breaks there: an earlier match stands, else nothing is found but
            // the terminator, which every search includes.
            const unsigned char* terminator = character == 0 ? text + index + 1 : nullptr;
            return const_cast<unsigned char*>(found != nullptr ? found : terminator);
        }
        const unsigned int code = CharacterAt(text + index).code;
        if (code == character) {
            found = text + index;
        }
        if (code == 0) {
            return const_cast<unsigned char*>(found);
        }
    }
}

unsigned char* _mbsnbset(unsigned char* text, unsigned int character, std::size_t count) {
    // Never beyond the string's own terminator.
    const std::size_t length = std::min(count, std::strlen(reinterpret_cast<char*>(text)));
    std::size_t index = 0;
    if (character <= 0xFF) {
        std::memset(text, static_cast<int>(character), length);
        return text;
    }
    for (; index + 1 < length; index += 2) {
        text[index] = static_cast<unsigned char>(character >> 8);
        text[index + 1] = static_cast<unsigned char>(character & 0xFF);
    }
    if (index < length) {
        text[index] = ' ';  // no room for the whole character
    }
    return text;
}
