// The seeded random inputs of the conformance probe: the same sequence on every build, so the
// host and Windows outputs name the same strings under the same keys.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// splitmix64: small, and defined by its arithmetic alone, so both compilers give one sequence.
class SplitMix64 {
  public:
    explicit SplitMix64(std::uint64_t seed) : state_(seed) {}
    std::uint64_t Next();
    // Uniform enough for test inputs: below bound, which must not be 0.
    std::uint32_t Below(std::uint32_t bound) { return static_cast<std::uint32_t>(Next() % bound); }

  private:
    std::uint64_t state_;
};

// Shift-JIS heavy strings: valid pairs, pairs with trail byte 0x5C, lone lead bytes, the
// single bytes 0x80/0xA0/0xFD, both separators, dots, drive and UNC prefixes. None holds a
// zero byte; lengths stay below maxLength.
std::vector<std::string> RandomPaths(std::uint64_t seed, std::size_t count, std::size_t maxLength);

// A string's bytes followed by zeros: a function that reads past the terminator (some do
// after a lone lead byte) then reads the same thing on every build.
class PaddedText {
  public:
    explicit PaddedText(const std::string& text);
    const char* c_str() const { return bytes_.data(); }
    const unsigned char* bytes() const {
        return reinterpret_cast<const unsigned char*>(bytes_.data());
    }

  private:
    std::vector<char> bytes_;
};
