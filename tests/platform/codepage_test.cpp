#include <gtest/gtest.h>

#include <string>

#include "platform/win32.h"
#include "tests/platform/scoped_environment.h"

namespace {

struct LocaleCase {
    const char* lcAll;
    const char* lcCtype;
    const char* lang;
    UINT codePage;
};

class CodePageFromLocale : public testing::TestWithParam<LocaleCase> {};

TEST_P(CodePageFromLocale, FollowsTheFirstVariableSet) {
    const LocaleCase& locale = GetParam();
    const ScopedCodePage restoredLast(0);
    ScopedEnvironment environment;
    environment.Set("LC_ALL", locale.lcAll);
    environment.Set("LC_CTYPE", locale.lcCtype);
    environment.Set("LANG", locale.lang);
    HostSetAnsiCodePage(0);

    EXPECT_EQ(GetACP(), locale.codePage);
    EXPECT_EQ(_ismbblead(0x95) != 0, locale.codePage == 932);
}

INSTANTIATE_TEST_SUITE_P(Locales, CodePageFromLocale,
                         testing::Values(LocaleCase{"ja_JP.UTF-8", nullptr, nullptr, 932},
                                         LocaleCase{"ja_JP.eucJP", "en_US.UTF-8", "en_US.UTF-8",
                                                    932},
                                         LocaleCase{"ja", nullptr, nullptr, 932},
                                         LocaleCase{"en_US.UTF-8", "ja_JP.UTF-8", nullptr, 65001},
                                         LocaleCase{nullptr, "de_DE.UTF-8", "ja_JP.UTF-8", 65001},
                                         LocaleCase{nullptr, nullptr, "ja_JP.SJIS", 932},
                                         LocaleCase{"", "", "fr_FR.UTF-8", 65001},
                                         LocaleCase{nullptr, nullptr, nullptr, 932},
                                         LocaleCase{"C", "en_US.UTF-8", nullptr, 932},
                                         LocaleCase{"POSIX", nullptr, nullptr, 932},
                                         LocaleCase{"C.UTF-8", nullptr, nullptr, 65001},
                                         LocaleCase{"jam_JM.UTF-8", nullptr, nullptr, 65001}));

TEST(CodePage, StaysFixedUntilAskedToReadTheLocaleAgain) {
    const ScopedCodePage restoredLast(0);
    ScopedEnvironment environment;
    environment.Set("LC_ALL", "ja_JP.UTF-8");
    HostSetAnsiCodePage(0);
    ASSERT_EQ(GetACP(), 932u);

    environment.Set("LC_ALL", "en_US.UTF-8");
    EXPECT_EQ(GetACP(), 932u);
    HostSetAnsiCodePage(0);
    EXPECT_EQ(GetACP(), 65001u);
}

TEST(CodePage, AnOverrideWinsOverTheLocale) {
    const ScopedCodePage utf8(65001);
    ScopedEnvironment environment;
    environment.Set("LC_ALL", "ja_JP.UTF-8");
    EXPECT_EQ(GetACP(), 65001u);
    EXPECT_EQ(_ismbblead(0x95), 0);
}

struct ConversionCase {
    const char* name;
    std::string ansi;
    std::string utf8;
};

class ShiftJisConversion : public testing::TestWithParam<ConversionCase> {
  protected:
    const ScopedCodePage shiftJis_{932};
};

TEST_P(ShiftJisConversion, RoundTrips) {
    EXPECT_EQ(HostAnsiToUtf8(GetParam().ansi), GetParam().utf8);
    EXPECT_EQ(HostUtf8ToAnsi(GetParam().utf8), GetParam().ansi);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ShiftJisConversion,
    testing::Values(ConversionCase{"Ascii", "C:\\dir\\a.txt", "C:\\dir\\a.txt"},
                    ConversionCase{"TrailByteIsBackslash", "\x95\x5C", "\xE8\xA1\xA8"},
                    ConversionCase{"HalfWidthKatakana", "\xB1", "\xEF\xBD\xB1"},
                    ConversionCase{"NecExtension", "\x87\x40", "\xE2\x91\xA0"},
                    ConversionCase{"Empty", "", ""}),
    [](const testing::TestParamInfo<ConversionCase>& info) { return info.param.name; });

TEST(ShiftJisConversion, TextWithoutAMappingBecomesOneQuestionMarkPerCharacter) {
    const ScopedCodePage shiftJis(932);
    // U+1F600 has no Shift-JIS form; a lone lead byte at the end has no character.
    EXPECT_EQ(HostUtf8ToAnsi("a\xF0\x9F\x98\x80z"), "a?z");
    EXPECT_EQ(HostAnsiToUtf8(std::string("a\x95")), "a?");
}

TEST(Utf8CodePage, ConversionsKeepTheBytes) {
    const ScopedCodePage utf8(65001);
    const std::string text = "\xE8\xA1\xA8\\x";
    EXPECT_EQ(HostAnsiToUtf8(text), text);
    EXPECT_EQ(HostUtf8ToAnsi(text), text);
}

}  // namespace
