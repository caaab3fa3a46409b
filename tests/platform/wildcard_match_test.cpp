#include "platform/host/wildcard_match.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/platform/scoped_environment.h"

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
                    MatchCase{"*\x83\x41", "x\x83\x41", true}));

TEST(Wildcards, AreStarAndQuestionMarkOnly) {
    EXPECT_TRUE(HostHasWildcards("*.txt"));
    EXPECT_TRUE(HostHasWildcards("a?"));
    EXPECT_FALSE(HostHasWildcards("name.txt"));
    EXPECT_FALSE(HostHasWildcards("[a]"));
}

}  // namespace
