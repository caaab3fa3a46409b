#include "components/exit_code_option.h"

#include <cstddef>
#include <optional>

namespace {

constexpr char kOption[] = "--exit-code=";
constexpr std::int32_t kMalformed = static_cast<std::int32_t>(0x80070057);
constexpr std::uint64_t kMaxMagnitude = 0xFFFFFFFF;

bool EndsArgument(char c) {
    return c == ' ' || c == '\t' || c == '"';
}

std::optional<int> DigitValue(char c, int base) {
    int value = -1;
    if (c >= '0' && c <= '9') {
        value = c - '0';
    } else if (c >= 'a' && c <= 'f') {
        value = c - 'a' + 10;
    } else if (c >= 'A' && c <= 'F') {
        value = c - 'A' + 10;
    }
    if (value < 0 || value >= base) {
        return std::nullopt;
    }
    return value;
}

std::optional<std::int32_t> ParseValue(const std::string& text) {
    std::size_t at = 0;
    const bool negative = at < text.size() && text[at] == '-';
    if (negative) {
        ++at;
    }
    int base = 10;
    if (text.compare(at, 2, "0x") == 0 || text.compare(at, 2, "0X") == 0) {
        base = 16;
        at += 2;
    }
    if (at == text.size()) {
        return std::nullopt;
    }
    std::uint64_t magnitude = 0;
    for (; at < text.size(); ++at) {
        const std::optional<int> digit = DigitValue(text[at], base);
        if (!digit) {
            return std::nullopt;
        }
        magnitude = magnitude * base + static_cast<std::uint64_t>(*digit);
        if (magnitude > kMaxMagnitude) {
            return std::nullopt;
        }
    }
    if (negative && magnitude > 0x80000000) {
        return std::nullopt;
    }
    const std::uint32_t bits = negative ? static_cast<std::uint32_t>(0u - magnitude)
                                        : static_cast<std::uint32_t>(magnitude);
    return static_cast<std::int32_t>(bits);
}

// The first "--exit-code=" that opens an argument of its own.
std::optional<std::string> OptionValue(const std::string& commandLine) {
    for (std::size_t at = commandLine.find(kOption); at != std::string::npos;
         at = commandLine.find(kOption, at + 1)) {
        if (at == 0 || EndsArgument(commandLine[at - 1])) {
            const std::size_t begin = at + sizeof kOption - 1;
            std::size_t end = begin;
            while (end < commandLine.size() && !EndsArgument(commandLine[end])) {
                ++end;
            }
            return commandLine.substr(begin, end - begin);
        }
    }
    return std::nullopt;
}

}  // namespace

std::int32_t ExitCodeFromCommandLine(const std::string& commandLine) {
    const std::optional<std::string> value = OptionValue(commandLine);
    if (!value) {
        return 0;
    }
    return ParseValue(*value).value_or(kMalformed);
}
