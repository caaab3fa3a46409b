// File-name patterns against names, both any Shift-JIS bytes: the wildcard and name checks
// agree with a scan of the decoded characters (so a trail byte never counts as '*' or '?'),
// and the matcher agrees with a plain comparison wherever that can state the answer.
#include <fuzzer/FuzzedDataProvider.h>

#include <cctype>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "platform/host/file_name_upper_case.h"
#include "platform/host/wildcard_match.h"
#include "platform/win32.h"

namespace {

// Patterns and names long enough for several double-byte characters and dots, short enough
// for the matcher's table of pattern by name.
constexpr std::size_t kMaxLength = 32;

std::u16string Decoded(const std::string& text) {
    if (text.empty()) {
        return {};
    }
    const int size = static_cast<int>(text.size());
    std::vector<WCHAR> wide(text.size());
    const int length = MultiByteToWideChar(932, 0, text.data(), size, wide.data(), size);
    return std::u16string(wide.begin(), wide.begin() + length);
}

// Upper case per unit, looked up directly: a table of every unit filled from the pairs.
char16_t ReferenceUpper(char16_t unit) {
    static const std::vector<char16_t> upper = [] {
        std::vector<char16_t> table(0x10000);
        for (std::size_t index = 0; index < table.size(); ++index) {
            table[index] = static_cast<char16_t>(index);
        }
        for (const FileNameCasePair& pair : kFileNameUpperCase) {
            table[pair.lower] = pair.upper;
        }
        return table;
    }();
    return upper[unit];
}

std::u16string Folded(const std::u16string& units) {
    std::u16string folded;
    for (const char16_t unit : units) {
        folded.push_back(ReferenceUpper(unit));
    }
    return folded;
}

bool HasUnitOf(const std::u16string& units, const std::u16string& set) {
    return units.find_first_of(set) != std::u16string::npos;
}

bool ReferenceIsValidName(const std::u16string& units) {
    for (const char16_t unit : units) {
        if (unit < 0x20) {
            return false;
        }
    }
    return !HasUnitOf(units, u"<>|*?\"");
}

// Names reach these calls as C strings: nothing after a NUL.
std::string Component(FuzzedDataProvider& input) {
    std::string text = input.ConsumeRandomLengthString(kMaxLength);
    return text.substr(0, text.find('\0'));
}

// Flips the case of some ASCII letters, which may be trail bytes.
std::string WithCaseFlipped(std::string text, FuzzedDataProvider& input) {
    for (char& c : text) {
        if (std::isalpha(static_cast<unsigned char>(c)) && input.ConsumeBool()) {
            c = static_cast<char>(c ^ 0x20);
        }
    }
    return text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const int shape = input.ConsumeIntegralInRange(0, 3);
    std::string pattern = Component(input);
    std::string name;
    switch (shape) {
        case 0:
            name = Component(input);
            break;
        case 1:
            name = WithCaseFlipped(pattern, input);
            break;
        case 2:
            name = pattern;
            break;
        default:
            name = Component(input);
            pattern = "*";
    }

    for (const std::string& text : {pattern, name}) {
        const std::u16string units = Decoded(text);
        if (HostHasWildcards(text) != HasUnitOf(units, u"*?") ||
            HostIsValidName(text) != ReferenceIsValidName(units)) {
            std::abort();
        }
    }

    const bool matches = HostNameMatchesPattern(pattern, name);
    if ((pattern == name || pattern == "*") && !matches) {
        std::abort();
    }
    // Without wildcards, and without a final '.' that also matches the end, a pattern is
    // a name compared with the case folded.
    const std::u16string patternUnits = Decoded(pattern);
    if (!HasUnitOf(patternUnits, u"*?") && (patternUnits.empty() || patternUnits.back() != u'.') &&
        matches != (Folded(patternUnits) == Folded(Decoded(name)))) {
        std::abort();
    }
    return 0;
}
