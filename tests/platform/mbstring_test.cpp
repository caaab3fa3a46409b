#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "platform/win32.h"
#include "scoped_code_page.h"

// Rows are what msvcrt gave under Wine (code page 932), except where Wine reads past the
// count or the terminator: there they follow the run-time's documented source behaviour.
namespace {

const unsigned char* Bytes(const char* text) {
    return reinterpret_cast<const unsigned char*>(text);
}

TEST(IsLeadByte, FollowsTheShiftJisRanges) {
    const ScopedCodePage shiftJis(932);
    for (unsigned int byte = 0; byte < 0x100; ++byte) {
        const bool lead = (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
        EXPECT_EQ(_ismbblead(byte) != 0, lead) << byte;
    }
    // A plain char holding a lead byte arrives sign-extended.
    EXPECT_NE(_ismbblead(static_cast<unsigned int>(static_cast<char>(0x95))), 0);
}

struct CopyCase {
    const char* name;
    UINT codePage;
    std::string source;
    std::size_t count;
    std::string expected;  // exactly count bytes
};

class BoundedCopy : public testing::TestWithParam<CopyCase> {};

TEST_P(BoundedCopy, CopiesWholeCharactersAndPadsTheRest) {
    const CopyCase& copy = GetParam();
    const ScopedCodePage codePage(copy.codePage);
    unsigned char buffer[16];
    std::memset(buffer, 'X', sizeof buffer);

    EXPECT_EQ(_mbsnbcpy(buffer, Bytes(copy.source.c_str()), copy.count), buffer);

    EXPECT_EQ(std::string(reinterpret_cast<char*>(buffer), copy.count), copy.expected);
    EXPECT_EQ(buffer[copy.count], 'X') << "wrote past count";
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BoundedCopy,
    testing::Values(
        CopyCase{"ShortSourceIsPadded", 932, "abc", 5, std::string("abc\0\0", 5)},
        CopyCase{"LongSourceIsCutUnterminated", 932, "abcdef", 3, "abc"},
        CopyCase{"SplitCharacterDropsItsLeadByte", 932, "a\x95\x5C", 2, std::string("a\0", 2)},
        CopyCase{"WholeCharacterFits", 932, "a\x95\x5C", 3, "a\x95\x5C"},
        CopyCase{"SecondCharacterSplit", 932, "\x95\x5C\x95\x5C", 3, std::string("\x95\x5C\0", 3)},
        CopyCase{"LeadByteBeforeTheEndIsDropped", 932, "a\x95", 3, std::string("a\0\0", 3)},
        CopyCase{"HalfWidthKatakanaIsOneByte", 932, "\xB1\xB2", 1, "\xB1"},
        CopyCase{"LoneLeadByteOnly", 932, "\x95", 4, std::string(4, '\0')},
        CopyCase{"Utf8CodePageCutsAnywhere", 65001, "a\x95\x5C", 2, "a\x95"}),
    [](const testing::TestParamInfo<CopyCase>& info) { return info.param.name; });

struct CompareCase {
    const char* name;
    const char* left;
    const char* right;
    std::size_t count;
    int sign;
};

class BoundedCompare : public testing::TestWithParam<CompareCase> {
  protected:
    const ScopedCodePage shiftJis_{932};
};

TEST_P(BoundedCompare, ComparesCharacters) {
    const CompareCase& compare = GetParam();
    const int result = _mbsnbcmp(Bytes(compare.left), Bytes(compare.right), compare.count);
    EXPECT_EQ((result > 0) - (result < 0), compare.sign);
    const int reversed = _mbsnbcmp(Bytes(compare.right), Bytes(compare.left), compare.count);
    EXPECT_EQ((reversed > 0) - (reversed < 0), -compare.sign);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BoundedCompare,
    testing::Values(CompareCase{"UncPrefix", "\\\\srv", "\\\\", 2, 0},
                    CompareCase{"SlashIsNoBackslash", "\\/srv", "\\\\", 2, -1},
                    CompareCase{"DiffersAfterCount", "abc", "abd", 2, 0},
                    CompareCase{"DiffersWithinCount", "abc", "abd", 3, -1},
                    CompareCase{"ShorterStringIsLess", "ab", "abc", 3, -1},
                    CompareCase{"DoubleByteTrailDiffers", "\x95\x5C", "\x95\x5D", 2, -1},
                    CompareCase{"DoubleByteEqual", "\x95\x5Cx", "\x95\x5Cy", 2, 0},
                    // Byte by byte 0xB1 > 0x81; as characters U+FF71's byte < 0x8140.
                    CompareCase{"DoubleByteSortsAboveSingleBytes", "\xB1", "\x81\x40", 2, -1},
                    // A lead byte on the last counted byte reads as an end of string.
                    CompareCase{"CutLeadBytesAreEqual", "\x95\x5C", "\x96\x5C", 1, 0},
                    CompareCase{"CutLeadByteAgainstSingleByte", "\x95\x5C", "a", 1, -1},
                    CompareCase{"CutLeadByteAgainstKatakana", "\x81\x40", "\xB1", 1, -1},
                    CompareCase{"NothingPastTheCount",
                                "\x95\x5C"
                                "c",
                                "\x95\x5D"
                                "a",
                                1, 0},
                    CompareCase{"CutAgainstALoneLeadByte", "\x95\x5C", "\x95", 1, 0},
                    CompareCase{"PairAgainstALoneLeadByte", "\x95\x5C", "\x95", 2, 1}),
    [](const testing::TestParamInfo<CompareCase>& info) { return info.param.name; });

TEST(CharacterCount, CountsADoubleByteCharacterOnce) {
    const ScopedCodePage shiftJis(932);
    EXPECT_EQ(_mbslen(Bytes("")), 0u);
    EXPECT_EQ(_mbslen(Bytes("\\\\")), 2u);
    EXPECT_EQ(_mbslen(Bytes("\x95\x5C")), 1u);
    EXPECT_EQ(_mbslen(Bytes("a\x95\x5C\xB1")), 3u);
    EXPECT_EQ(_mbslen(Bytes("a\x95")), 1u);  // a lead byte at the end is no character
    EXPECT_EQ(_mbslen(Bytes("\x95")), 0u);
}

struct SearchCase {
    const char* name;
    const char* text;
    unsigned int character;
    int first;  // byte index, -1 for none
    int last;
};

class CharacterSearch : public testing::TestWithParam<SearchCase> {
  protected:
    const ScopedCodePage shiftJis_{932};
};

TEST_P(CharacterSearch, NeverStopsOnATrailByte) {
    const SearchCase& search = GetParam();
    const unsigned char* text = Bytes(search.text);
    const unsigned char* first = _mbschr(text, search.character);
    const unsigned char* last = _mbsrchr(text, search.character);
    EXPECT_EQ(first == nullptr ? -1 : static_cast<int>(first - text), search.first);
    EXPECT_EQ(last == nullptr ? -1 : static_cast<int>(last - text), search.last);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CharacterSearch,
    testing::Values(SearchCase{"BackslashAfterTrailByte", "\x95\x5C\\a\\", '\\', 2, 4},
                    SearchCase{"OnlyATrailByte", "x\x95\x5Cy", '\\', -1, -1},
                    SearchCase{"DoubleByteCharacter", "a\x95\x5C\x95\x5C", 0x955C, 1, 3},
                    SearchCase{"Terminator", "ab", 0, 2, 2},
                    SearchCase{"Missing", "abc", 'z', -1, -1},
                    // A lead byte at the end breaks the string: _mbschr gives up, _mbsrchr
                    // keeps an earlier match, and only the terminator is still found.
                    SearchCase{"MatchBeforeALoneLeadByte", "\\a\x95", '\\', 0, 0},
                    SearchCase{"NoMatchBeforeALoneLeadByte", "ab\x95", '\\', -1, -1},
                    SearchCase{"TerminatorAfterALoneLeadByte", "ab\x95", 0, -1, 3},
                    SearchCase{"LoneLeadByteIsNoCharacter", "ab\x95", 0x95, -1, -1}),
    [](const testing::TestParamInfo<SearchCase>& info) { return info.param.name; });

struct SetCase {
    const char* name;
    std::string text;
    unsigned int character;
    std::size_t count;
    std::string expected;  // the whole buffer up to and with the terminator
};

class BoundedSet : public testing::TestWithParam<SetCase> {
  protected:
    const ScopedCodePage shiftJis_{932};
};

TEST_P(BoundedSet, FillsWithinTheString) {
    const SetCase& set = GetParam();
    unsigned char buffer[16];
    std::memset(buffer, 'X', sizeof buffer);
    std::memcpy(buffer, set.text.c_str(), set.text.size() + 1);

    EXPECT_EQ(_mbsnbset(buffer, set.character, set.count), buffer);

    EXPECT_EQ(std::string(reinterpret_cast<char*>(buffer), set.text.size() + 1), set.expected);
    EXPECT_EQ(buffer[set.text.size() + 1], 'X');
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BoundedSet,
    testing::Values(SetCase{"Prefix", "abc", 'x', 2, std::string("xxc\0", 4)},
                    SetCase{"CutWithZero", "srv\\share", 0, 1, std::string("\0rv\\share\0", 10)},
                    SetCase{"NeverPastTheTerminator", "ab", 'x', 5, std::string("xx\0", 3)},
                    SetCase{"DoubleByteWithoutRoomEndsInBlank", "abc", 0x955C, 3,
                            std::string("\x95\x5C \0", 4)},
                    SetCase{"DoubleByteWithRoom", "abc", 0x955C, 2,
                            std::string("\x95\x5C"
                                        "c\0",
                                        4)},
                    SetCase{"DoubleByteOverDoubleByteWithoutRoom", "\x95\x5C", 0x955C, 1,
                            std::string(" \x5C\0", 3)},
                    // The run-time leaves the trail byte of a character it cut.
                    SetCase{"CutCharacterKeepsItsTrailByte",
                            "\x95\x5C"
                            "a",
                            'x', 1,
                            std::string("x\x5C"
                                        "a\0",
                                        4)}),
    [](const testing::TestParamInfo<SetCase>& info) { return info.param.name; });

}  // namespace
