// The demo component's "--exit-code=" parser against any command line: the value it returns
// is the one an independent reading of the first option gives.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>

#include "components/exit_code_option.h"

namespace {

constexpr std::int32_t kMalformed = static_cast<std::int32_t>(0x80070057);

// Reads the option's value by another route: strtoll on a copy, with its own range checks.
std::optional<std::int32_t> ReferenceValue(const std::string& value) {
    std::string digits = value;
    const bool negative = !digits.empty() && digits[0] == '-';
    if (negative) {
        digits.erase(0, 1);
    }
    int base = 10;
    if (digits.size() >= 2 && digits[0] == '0' && (digits[1] == 'x' || digits[1] == 'X')) {
        base = 16;
        digits.erase(0, 2);
    }
    if (digits.empty()) {
        return std::nullopt;
    }
    for (const char c : digits) {
        const bool decimal = c >= '0' && c <= '9';
        const bool hex = (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
        if (!(decimal || (base == 16 && hex))) {
            return std::nullopt;
        }
    }
    // Leading zeros do not count against the 32 bits.
    const std::size_t first = digits.find_first_not_of('0');
    if (first != std::string::npos && digits.size() - first > (base == 16 ? 8 : 10)) {
        return std::nullopt;
    }
    const unsigned long long magnitude = std::strtoull(digits.c_str(), nullptr, base);
    if (magnitude > 0xFFFFFFFFull || (negative && magnitude > 0x80000000ull)) {
        return std::nullopt;
    }
    const auto bits = static_cast<std::uint32_t>(negative ? 0ull - magnitude : magnitude);
    return static_cast<std::int32_t>(bits);
}

bool EndsArgument(char c) {
    return c == ' ' || c == '\t' || c == '"';
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string commandLine(reinterpret_cast<const char*>(data), size);
    const std::int32_t code = ExitCodeFromCommandLine(commandLine);

    const std::string option = "--exit-code=";
    std::int32_t expected = 0;
    for (std::size_t at = 0; at + option.size() <= commandLine.size(); ++at) {
        if (commandLine.compare(at, option.size(), option) != 0 ||
            (at > 0 && !EndsArgument(commandLine[at - 1]))) {
            continue;
        }
        std::string value;
        for (std::size_t i = at + option.size(); i < commandLine.size(); ++i) {
            if (EndsArgument(commandLine[i])) {
                break;
            }
            value.push_back(commandLine[i]);
        }
        expected = ReferenceValue(value).value_or(kMalformed);
        break;
    }
    if (code != expected) {
        std::abort();
    }
    return 0;
}
