#include "fsutil/mbcs_string.h"

#include <gtest/gtest.h>

#include <string>

#include "shift_jis_fixture.h"

namespace {

using ReverseFindCharTest = ShiftJisTest;
using ReplaceAllTest = ShiftJisTest;
using WholeCharacterPrefixTest = ShiftJisTest;

TEST_F(ReverseFindCharTest, SkipsTrailBytes) {
    struct Case {
        std::string text;
        char byte;
        int expected;
    };
    const Case cases[] = {
        {"", '\\', -1},
        {"abc", '\\', -1},
        {"\\", '\\', 0},
        {"a\\b\\", '\\', 3},
        {"x/y\\z/", '/', 5},
        {"a.b.c", '.', 3},
        {SJIS_HYOU, '\\', -1},
        {SJIS_HYOU "\\", '\\', 2},
        {"\\" SJIS_HYOU, '\\', 0},
        {SJIS_HYOU SJIS_HYOU, '\\', -1},
        {"a" SJIS_HYOU "b", '\\', -1},
        // A lead byte is itself compared; its trail byte is not.
        {SJIS_HYOU, '\x95', 0},
        {"\x95\x95\x95", '\x95', 2},
        // A high single-byte character does not swallow the byte after it.
        {SJIS_HALFWIDTH_A "\\", '\\', 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.text));
        EXPECT_EQ(ReverseFindChar(c.text, c.byte), c.expected);
    }
}

TEST_F(ReplaceAllTest, ReplacesWholeCharactersLeftToRight) {
    struct Case {
        std::string text;
        std::string search;
        std::string replacement;
        std::string expected;
    };
    const Case cases[] = {
        {"a\\b", "\\", "\\\\", "a\\\\b"},
        {"\\a\\", "\\", "\\\\", "\\\\a\\\\"},
        {"", "\\", "\\\\", ""},
        {"abc", "", "x", "abc"},
        {"aaa", "aa", "b", "ba"},
        {"abc", "b", "bb", "abbc"},
        {"abab", "ab", "", ""},
        {"xyz", "z", "Z", "xyZ"},
        {"abc", "abcd", "x", "abc"},
        // A trail byte of 92 is no backslash, and a match never starts on a trail byte.
        {SJIS_HYOU "\\", "\\", "\\\\", SJIS_HYOU "\\\\"},
        {"C:\\" SJIS_HYOU "\\a", "\\", "/", "C:/" SJIS_HYOU "/a"},
        {"x" SJIS_HYOU, "\x5C", "!", "x" SJIS_HYOU},
        {SJIS_HYOU SJIS_HYOU, SJIS_HYOU, "a", "aa"},
        {SJIS_HALFWIDTH_A "\\", "\\", "/", SJIS_HALFWIDTH_A "/"},
        // A search ending in a lead byte matches no double-byte character's first half...
        {"0" SJIS_HYOU, "0\x95", "x", "0" SJIS_HYOU},
        {SJIS_HYOU "a", "\x95", "", SJIS_HYOU "a"},
        // ...only a lead byte that ends the text.
        {"a\x95", "\x95", "b", "ab"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.text) + " " + ::testing::PrintToString(c.search));
        std::string text = c.text;
        ReplaceAll(text, c.search, c.replacement);
        EXPECT_EQ(text, c.expected);
    }
}

TEST_F(WholeCharacterPrefixTest, NeverEndsInsideACharacter) {
    struct Case {
        const char* text;
        std::size_t limit;
        std::size_t expected;
    };
    const Case cases[] = {
        {"", 5, 0},
        {"abc", 2, 2},
        {"abc", 10, 3},
        {"a" SJIS_HYOU, 2, 1},
        {"a" SJIS_HYOU, 3, 3},
        {SJIS_HYOU "b", 1, 0},
        // A lead byte with nothing after it is dropped.
        {"ab\x95", 10, 2},
        {SJIS_HALFWIDTH_A SJIS_HALFWIDTH_A, 1, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(std::string(c.text)));
        EXPECT_EQ(WholeCharacterPrefixLength(c.text, c.limit), c.expected);
    }
}

}  // namespace
