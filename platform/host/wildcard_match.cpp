#include "platform/host/wildcard_match.h"

#include <vector>

#include "platform/win32.h"

namespace {

// The characters of a narrow string, ASCII letters folded to lower case; trail bytes are
// never folded since they are halves of other characters.
std::vector<unsigned int> FoldedCharacters(const std::string& text) {
    std::vector<unsigned int> characters;
    for (std::size_t index = 0; index < text.size(); ++index) {
        const unsigned int byte = static_cast<unsigned char>(text[index]);
        if (_ismbblead(byte) && index + 1 < text.size()) {
            characters.push_back(byte << 8 | static_cast<unsigned char>(text[++index]));
        } else if (byte >= 'A' && byte <= 'Z') {
            characters.push_back(byte - 'A' + 'a');
        } else {
            characters.push_back(byte);
        }
    }
    return characters;
}

bool Matches(const std::vector<unsigned int>& pattern, const std::vector<unsigned int>& name) {
    std::size_t patternIndex = 0;
    std::size_t nameIndex = 0;
    // Where to resume after the last '*' when a later piece fails to match.
    std::size_t starIndex = pattern.size();
    std::size_t starNameIndex = 0;
    while (nameIndex < name.size()) {
        if (patternIndex < pattern.size() &&
            (pattern[patternIndex] == '?' || pattern[patternIndex] == name[nameIndex])) {
            ++patternIndex;
            ++nameIndex;
        } else if (patternIndex < pattern.size() && pattern[patternIndex] == '*') {
            starIndex = patternIndex++;
            starNameIndex = nameIndex;
        } else if (starIndex < pattern.size()) {
            patternIndex = starIndex + 1;
            nameIndex = ++starNameIndex;
        } else {
            return false;
        }
    }
    while (patternIndex < pattern.size() && pattern[patternIndex] == '*') {
        ++patternIndex;
    }
    return patternIndex == pattern.size();
}

}  // namespace

bool HostHasWildcards(const std::string& component) {
    for (const unsigned int character : FoldedCharacters(component)) {
        if (character == '*' || character == '?') {
            return true;
        }
    }
    return false;
}

bool HostNameMatchesPattern(const std::string& pattern, const std::string& name) {
    const std::vector<unsigned int> patternCharacters = FoldedCharacters(pattern);
    const std::vector<unsigned int> nameCharacters = FoldedCharacters(name);
    if (Matches(patternCharacters, nameCharacters)) {
        return true;
    }
    const std::size_t size = patternCharacters.size();
    if (size >= 2 && patternCharacters[size - 2] == '.' && patternCharacters[size - 1] == '*') {
        const std::vector<unsigned int> front(patternCharacters.begin(),
                                              patternCharacters.end() - 2);
        return Matches(front, nameCharacters);
    }
    return false;
}
