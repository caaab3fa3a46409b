#include <gtest/gtest.h>

#include <string>

#include "platform/win32.h"
#include "scoped_code_page.h"
#include "scoped_environment.h"

namespace {

struct LocaleCase {
    const char* name;
    const char* lcAll;
    const char* lcCtype;
    const char* lang;
};

class CodePageUnderLocale : public testing::TestWithParam<LocaleCase> {};

// The host is a Japanese Windows: no Linux locale changes the code page or the names.
TEST_P(CodePageUnderLocale, IsShiftJis) {
    const LocaleCase& locale = GetParam();
    ScopedEnvironment environment;
    environment.Set("LC_ALL", locale.lcAll);
    environment.Set("LC_CTYPE", locale.lcCtype);
    environment.Set("LANG", locale.lang);
    const ScopedCodePage restored(0);

    EXPECT_EQ(GetACP(), 932u);
    EXPECT_NE(_ismbblead(0x95), 0);
    EXPECT_EQ(HostAnsiToUtf8("\x95\x5C"), "\xE8\xA1\xA8");
    EXPECT_EQ(HostUtf8ToAnsi("\xE8\xA1\xA8"), "\x95\x5C");
}

INSTANTIATE_TEST_SUITE_P(
    Locales, CodePageUnderLocale,
    testing::Values(LocaleCase{"DebianDefault", nullptr, nullptr, "C.UTF-8"},
                    LocaleCase{"Japanese", "ja_JP.UTF-8", nullptr, nullptr},
                    LocaleCase{"English", "en_US.UTF-8", "en_US.UTF-8", "en_US.UTF-8"},
                    LocaleCase{"CtypeOnly", nullptr, "de_DE.UTF-8", nullptr},
                    LocaleCase{"Posix", "POSIX", nullptr, nullptr},
                    LocaleCase{"Unset", nullptr, nullptr, nullptr}),
    [](const testing::TestParamInfo<LocaleCase>& info) { return info.param.name; });

TEST(CodePage, TheTestHookSwitchesItAndZeroBringsBack932) {
    const ScopedCodePage restored(0);
    HostSetAnsiCodePage(65001);
    EXPECT_EQ(GetACP(), 65001u);
    EXPECT_EQ(_ismbblead(0x95), 0);
    HostSetAnsiCodePage(0);
    EXPECT_EQ(GetACP(), 932u);
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
                    ConversionCase{"UserDefined", "\xF0\x40", "\xEE\x80\x80"},
                    // Names Windows keeps with these bytes must not collide.
                    ConversionCase{"Byte80", "a\x80", "a\xC2\x80"},
                    ConversionCase{"ByteA0", "a\xA0", "a\xEF\xA3\xB0"},
                    ConversionCase{"ByteFD", "a\xFD", "a\xEF\xA3\xB1"},
                    ConversionCase{"ByteFF", "a\xFF", "a\xEF\xA3\xB3"},
                    ConversionCase{"Empty", "", ""}),
    [](const testing::TestParamInfo<ConversionCase>& info) { return info.param.name; });

TEST(ShiftJisConversion, TextWithoutACodeIsReplacedAsWindowsReplacesIt) {
    const ScopedCodePage shiftJis(932);
    // U+1F600 is two UTF-16 units, each without a code.
    EXPECT_EQ(HostUtf8ToAnsi("a\xF0\x9F\x98\x80z"), "a??z");
    EXPECT_EQ(HostUtf8ToAnsi("caf\xC3\xA9"), "cafe");  // best fit
    EXPECT_EQ(HostUtf8ToAnsi("a\xFFz"), "a?z");        // not UTF-8 at all
    // A lead byte with no character after it reads as the katakana middle dot.
    EXPECT_EQ(HostAnsiToUtf8("a\x95"), "a\xE3\x83\xBB");
    EXPECT_EQ(HostAnsiToUtf8("a\x81 b"),
              "a\xE3\x83\xBB"
              "b");
}

TEST(Utf8CodePage, ConversionsKeepTheBytes) {
    const ScopedCodePage utf8(65001);
    const std::string text = "\xE8\xA1\xA8\\x";
    EXPECT_EQ(HostAnsiToUtf8(text), text);
    EXPECT_EQ(HostUtf8ToAnsi(text), text);
}

}  // namespace
