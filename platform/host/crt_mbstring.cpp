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
        if (copied + length > count || (length == 1 && _ismbblead(source[copied]))) {
            break;
        }
        std::memcpy(destination + copied, source + copied, length);
        copied += length;
    }
    std::memset(destination + copied, 0, count - copied);
    return destination;
}

int _mbsnbcmp(const unsigned char* left, const unsigned char* right, std::size_t count) {
    std::size_t compared = 0;
    while (compared < count) {
        Character leftCharacter = CharacterAt(left + compared);
        Character rightCharacter = CharacterAt(right + compared);
        // A character cut by the count compares by its lead byte alone.
        if (compared + leftCharacter.length > count) {
            leftCharacter.code &= 0xFF00;
        }
        if (compared + rightCharacter.length > count) {
            rightCharacter.code &= 0xFF00;
        }
        if (leftCharacter.code != rightCharacter.code) {
            return leftCharacter.code < rightCharacter.code ? -1 : 1;
        }
        if (leftCharacter.code == 0) {
            return 0;
        }
        compared += leftCharacter.length;
    }
    return 0;
}

// A lead byte before the terminator is no character, as the run-time counts.
std::size_t _mbslen(const unsigned char* text) {
    std::size_t characters = 0;
    for (std::size_t index = 0; text[index] != '\0'; index += CharacterAt(text + index).length) {
        if (!_ismbblead(text[index]) || text[index + 1] != '\0') {
            ++characters;
        }
    }
    return characters;
}

unsigned char* _mbschr(const unsigned char* text, unsigned int character) {
    std::size_t index = 0;
    for (;; index += CharacterAt(text + index).length) {
        const Character current = CharacterAt(text + index);
        if (current.code == character) {
            return const_cast<unsigned char*>(text + index);
        }
        if (current.code == 0) {
            return nullptr;
        }
    }
}

unsigned char* _mbsrchr(const unsigned char* text, unsigned int character) {
    const unsigned char* found = nullptr;
    std::size_t index = 0;
    for (;; index += CharacterAt(text + index).length) {
        const Character current = CharacterAt(text + index);
        if (current.code == character) {
            found = text + index;
        }
        if (current.code == 0) {
            return const_cast<unsigned char*>(found);
        }
    }
}

unsigned char* _mbsnbset(unsigned char* text, unsigned int character, std::size_t count) {
    // Never beyond the string's own terminator.
    const std::size_t length = std::min(count, std::strlen(reinterpret_cast<char*>(text)));
    // A double-byte character cut by the end of the filled bytes would leave its trail byte
    // behind, where it could read as a backslash.
    std::size_t end = 0;
    while (end < length) {
        end += CharacterAt(text + end).length;
    }
    const bool doubleByte = character > 0xFF;
    std::size_t index = 0;
    while (index < length) {
        if (!doubleByte) {
            text[index++] = static_cast<unsigned char>(character);
        } else if (index + 1 < length) {
            text[index++] = static_cast<unsigned char>(character >> 8);
            text[index++] = static_cast<unsigned char>(character & 0xFF);
        } else {
            text[index++] = ' ';  // no room for the whole character
        }
    }
    if (end > length && character != 0) {
        text[length] = ' ';
    }
    return text;
}
