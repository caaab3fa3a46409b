#include "platform/host/wildcard_match.h"

#include <algorithm>
#include <vector>

#include "platform/host/file_name_upper_case.h"
#include "platform/win32.h"

namespace {

constexpr bool IsSortedByLowerCase() {
    for (std::size_t index = 1; index < kFileNameUpperCase.size(); ++index) {
        if (kFileNameUpperCase[index - 1].lower >= kFileNameUpperCase[index].lower) {
            return false;
        }
    }
    return true;
}
static_assert(IsSortedByLowerCase(), "the case table is searched by halves");

char16_t UpperCase(char16_t character) {
    const auto found = std::lower_bound(
        kFileNameUpperCase.begin(), kFileNameUpperCase.end(), character,
        [](const FileNameCasePair& pair, char16_t value) { return pair.lower < value; });
    return found != kFileNameUpperCase.end() && found->lower == character ? found->upper
                                                                          : character;
}

// The name as UTF-16 characters with their case folded; every character of the code page is
// one UTF-16 unit.
std::u16string FoldedCharacters(const std::string& text) {
    if (text.empty()) {
        return {};
    }
    const int size = static_cast<int>(text.size());
    std::vector<WCHAR> wide(text.size());
    const int length = MultiByteToWideChar(CP_ACP, 0, text.data(), size, wide.data(), size);
    std::u16string folded;
    for (int index = 0; index < length; ++index) {
        folded.push_back(UpperCase(static_cast<char16_t>(wide[static_cast<std::size_t>(index)])));
    }
    return folded;
}

// Wildcards as Windows rewrites them before matching.
enum Token : char32_t {
    kAnyRun = 0x110000,  // '*'
    kRunBeforeLastDot,   // '*' followed by '.'
    kOne,                // '?'
    kDotOrEnd,           // '.' at the end or before '*'
};

std::u32string Tokens(const std::u16string& pattern) {
    std::u32string tokens;
    for (std::size_t index = 0; index < pattern.size(); ++index) {
        const char16_t next = index + 1 < pattern.size() ? pattern[index + 1] : u'\0';
        switch (pattern[index]) {
            case u'*':
                tokens.push_back(next == u'.' ? kRunBeforeLastDot : kAnyRun);
                break;
            case u'?':
                tokens.push_back(kOne);
                break;
            case u'.':
                tokens.push_back(next == u'\0' || next == u'*' ? char32_t{kDotOrEnd} : U'.');
                break;
            default:
                tokens.push_back(pattern[index]);
        }
    }
    return tokens;
}

bool Matches(const std::u32string& tokens, const std::u16string& name) {
    const std::size_t lastDot = name.rfind(u'.');
    // matches[n]: the tokens from the current one on match the name from n on.
    std::vector<bool> matches(name.size() + 1, false);
    matches[name.size()] = true;
    for (std::size_t token = tokens.size(); token-- > 0;) {
        std::vector<bool> before(name.size() + 1, false);
        for (std::size_t start = name.size() + 1; start-- > 0;) {
            const bool atEnd = start == name.size();
            switch (tokens[token]) {
                case kAnyRun:
                    before[start] = matches[start] || (!atEnd && before[start + 1]);
                    break;
                case kRunBeforeLastDot:
                    before[start] =
                        matches[start] || (!atEnd && start != lastDot && before[start + 1]);
                    break;
                case kOne:
                    before[start] = !atEnd && matches[start + 1];
                    break;
                case kDotOrEnd:
                    before[start] =
                        atEnd ? matches[start] : name[start] == u'.' && matches[start + 1];
                    break;
                default:
                    before[start] = !atEnd && name[start] == tokens[token] && matches[start + 1];
            }
        }
        matches = std::move(before);
    }
    return matches[0];
}

// Calls visit with each character of an ANSI string that is a byte of its own.
template <typename Visit>
bool AnySingleByte(const std::string& text, Visit visit) {
    for (std::size_t index = 0; index < text.size(); ++index) {
        const auto byte = static_cast<unsigned char>(text[index]);
        if (_ismbblead(byte) && index + 1 < text.size()) {
            ++index;
        } else if (visit(byte)) {
            return true;
        }
    }
    return false;
}

}  // namespace

bool HostHasWildcards(const std::string& component) {
    return AnySingleByte(component, [](unsigned char byte) { return byte == '*' || byte == '?'; });
}

bool HostIsValidName(const std::string& component) {
    static const std::string kRefused = "<>|*?\"";
    return !AnySingleByte(component, [](unsigned char byte) {
        return byte < 0x20 || kRefused.find(static_cast<char>(byte)) != std::string::npos;
    });
}

bool HostNameMatchesPattern(const std::string& pattern, const std::string& name) {
    return Matches(Tokens(FoldedCharacters(pattern)), FoldedCharacters(name));
}
