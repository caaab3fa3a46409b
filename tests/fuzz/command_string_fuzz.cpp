// The command string for any command line: exactly the UTF-16 units that code page 932 gives
// for the line, one per character, terminated, and freed by its owner (a leak is a finding).
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "launcher/command_string.h"
#include "platform/win32.h"
#include "fuzz_support.h"

namespace {

constexpr UINT kShiftJis = 932;

// A lead byte takes the next byte with it unless the line ends there.
std::size_t CharacterCount(const std::string& line) {
    std::size_t characters = 0;
    for (std::size_t at = 0; at < line.size(); ++characters) {
        const auto byte = static_cast<unsigned char>(line[at]);
        const bool lead = (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
        at += lead && at + 1 < line.size() ? 2 : 1;
    }
    return characters;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // The command line is a C string: the input up to its first zero byte.
    const std::string input(reinterpret_cast<const char*>(data), size);
    const std::string line(input.c_str());
    const UniqueBstr commandString = MakeCommandString(line.c_str());

    // A line yields at most one unit per byte, and the terminator.
    std::vector<WCHAR> expected(line.size() + 1);
    const int expectedCount = MultiByteToWideChar(kShiftJis, 0, line.c_str(), -1, expected.data(),
                                                  static_cast<int>(expected.size()));
    if (expectedCount < 1) {
        Require(commandString == nullptr);
        return 0;
    }
    expected.resize(static_cast<std::size_t>(expectedCount));

    Require(commandString != nullptr);
    const std::size_t length = SysStringLen(commandString.get());
    Require(length + 1 == expected.size());
    Require(length == CharacterCount(line));
    // The units, then the terminator in the string's own slot.
    for (std::size_t i = 0; i <= length; ++i) {
        Require(commandString.get()[i] == expected[i]);
    }
    Require(commandString.get()[length] == 0);
    for (std::size_t i = 0; i < length; ++i) {
        const auto byte = static_cast<unsigned char>(line[i]);
        if (byte >= 0x80) {
            break;
        }
        // Up to the first high byte, each ASCII byte is one unit of the same value.
        Require(commandString.get()[i] == byte);
    }
    return 0;
}
