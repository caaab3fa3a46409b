#include "platform/host/wildcard_match.h"

#include <gtest/gtest.h>

#include <string>

#include "scoped_code_page.h"

namespace {

struct MatchCase {
    const char* pattern;
    const char* name;
    bool matches;
};

class WildcardMatch : public testing::TestWithParam<MatchCase> {
  protected:
    const ScopedCodePage shiftJis_{932};
};

TEST_P(WildcardMatch, MatchesAsWindowsDoes) {
    EXPECT_EQ(HostNameMatchesPattern(GetParam().pattern, GetParam().name), GetParam().matches)
        << GetParam().pattern << " against " << GetParam().name;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, WildcardMatch,
    testing::Values(MatchCase{"*", "anything.txt", true}, MatchCase{"*", ".", true},
                    MatchCase{"*.*", "readme", true}, MatchCase{"*.*", "a.b.c", true},
                    MatchCase{"*.*", "..", true}, MatchCase{"*.txt", "a.txt", true},
                    MatchCase{"*.txt", "A.TXT", true}, MatchCase{"*.TXT", "a.txt", true},
                    MatchCase{"*.txt", "a.txt.bak", false}, MatchCase{"*.txt", "txt", false},
                    MatchCase{"a.*", "a", true}, MatchCase{"a.*", "ab", false},
                    MatchCase{"?.txt", "a.txt", true}, MatchCase{"?.txt", "ab.txt", false},
                    MatchCase{"?.txt", ".txt", false}, MatchCase{"a*b*c", "aXbYbZc", true},
                    MatchCase{"a*b*c", "aXbYcZ", false}, MatchCase{"**x", "x", true},
                    MatchCase{"name", "NAME", true}, MatchCase{"name", "name2", false},
                    // A double-byte character is one for '?'.
                    MatchCase{"?", "\x95\x5C", true}, MatchCase{"??", "\x95\x5C", false},
                    // The trail byte of 0x83 0x41 is 'A': it never matches on its own, nor
                    // is it folded to match the trail byte 'a' of 0x83 0x61.
                    MatchCase{"*A", "\x83\x41", false}, MatchCase{"*a", "\x83\x41", false},
                    MatchCase{"\x83\x41", "\x83\x61", false},
                    MatchCase{"*\x83\x41", "x\x83\x41", true},
                    // Documented Windows, where Wine 8 departs: a '*' before a '.' stops at
                    // the name's last dot, and a '.' at the end also matches the end.
                    MatchCase{"*.", "readme", true}, MatchCase{"*.", "a.txt", false},
                    MatchCase{"*.", ".", true}, MatchCase{"*.", "..", true},
                    MatchCase{"*.", ".dot", false}, MatchCase{"a*.", "ab", true},
                    MatchCase{"a*.", "ab.c", false}, MatchCase{"*?", "x", true},
                    MatchCase{"*?", "anything.txt", true}, MatchCase{"*.*.c", "a.b.c", true},
                    MatchCase{"*.c", "a.b.c", true}, MatchCase{"a.b*", "a.b.c", true}));

// Characters of the Shift-JIS repertoire as Wine 8 folds them in a search: FindFirstFileA
// with the upper-case pattern found the lower-case file for each pair below.
struct FoldCase {
    const char* name;
    const char* lower;
    const char* upper;
};

class CaseFolding : public testing::TestWithParam<FoldCase> {
  protected:
    const ScopedCodePage shiftJis_{932};
};

TEST_P(CaseFolding, MatchesEitherCase) {
    const std::string lower = GetParam().lower;
    const std::string upper = GetParam().upper;
    EXPECT_TRUE(HostNameMatchesPattern(upper + "?", lower + "x"));
    EXPECT_TRUE(HostNameMatchesPattern(lower + "*", upper + "x"));
    EXPECT_TRUE(HostNameMatchesPattern(upper, lower));
    EXPECT_FALSE(HostNameMatchesPattern(upper, lower + lower));
}

INSTANTIATE_TEST_SUITE_P(
    Repertoire, CaseFolding,
    testing::Values(FoldCase{"Ascii", "q", "Q"}, FoldCase{"FullWidthLatin", "\x82\x81", "\x82\x60"},
                    FoldCase{"FullWidthZ", "\x82\x9A", "\x82\x79"},
                    FoldCase{"Greek", "\x83\xBF", "\x83\x9F"},
                    FoldCase{"GreekOmega", "\x83\xD6", "\x83\xB6"},
                    FoldCase{"Cyrillic", "\x84\x70", "\x84\x40"},
                    FoldCase{"CyrillicYo", "\x84\x76", "\x84\x46"},
                    // Small roman numeral one (IBM extension) and the capital (NEC row 13).
                    FoldCase{"RomanNumeral", "\xFA\x40", "\x87\x54"},
                    FoldCase{"RomanNumeralNecSelected", "\xEE\xEF", "\xFA\x4A"}),
    [](const testing::TestParamInfo<FoldCase>& info) { return info.param.name; });

TEST(CaseFoldingLimits, LeaveOtherCharactersApart) {
    const ScopedCodePage shiftJis(932);
    // Hiragana small and full-size a, half-width and full-width A, Latin and Greek A.
    EXPECT_FALSE(HostNameMatchesPattern("\x82\x9F", "\x82\xA0"));
    EXPECT_FALSE(HostNameMatchesPattern("A", "\x82\x60"));
    EXPECT_FALSE(HostNameMatchesPattern("A", "\x83\x9F"));
    EXPECT_FALSE(HostNameMatchesPattern("\x83\x9F", "\x84\x40"));
}

TEST(Names, RefuseWhatWin32Refuses) {
    const ScopedCodePage shiftJis(932);
    for (const char* name : {"a<b", "a>b", "a|b", "a*b", "a?b", "a\"b", "a\x01", "\x1F"}) {
        EXPECT_FALSE(HostIsValidName(name)) << name;
    }
    // 0x83 0x7C has the trail byte '|'; ':' and DEL Wine lets through here.
    for (const char* name : {"plain.txt", "a\x7Fz", "\x83\x7C", "a b", ""}) {
        EXPECT_TRUE(HostIsValidName(name)) << name;
    }
}

TEST(Wildcards, AreStarAndQuestionMarkOnly) {
    EXPECT_TRUE(HostHasWildcards("*.txt"));
    EXPECT_TRUE(HostHasWildcards("a?"));
    EXPECT_FALSE(HostHasWildcards("name.txt"));
    EXPECT_FALSE(HostHasWildcards("[a]"));
}

}  // namespace
