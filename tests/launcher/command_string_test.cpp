// The command line as the application object receives it: UTF-16 from code page 932, the
// process's code page, whatever the thread's locale.
#include <gtest/gtest.h>

#include <string>

#include "launcher/command_string.h"
#include "scoped_thread_locale.h"

namespace {

struct ConversionCase {
    const char* name;
    std::string commandLine;
    std::u16string expected;
};

void PrintTo(const ConversionCase& c, std::ostream* os) {
    *os << c.name;
}

void ExpectConverted(const ConversionCase& c) {
    const UniqueBstr commandString = MakeCommandString(c.commandLine.c_str());
    ASSERT_NE(commandString, nullptr);
    ASSERT_EQ(SysStringLen(commandString.get()), c.expected.size());
    const auto* units = reinterpret_cast<const char16_t*>(commandString.get());
    EXPECT_EQ(std::u16string(units, c.expected.size()), c.expected);
    EXPECT_EQ(units[c.expected.size()], u'\0');
}

class MakeCommandStringTest : public ::testing::TestWithParam<ConversionCase> {};

TEST_P(MakeCommandStringTest, HoldsExactlyTheConvertedUnits) {
    ExpectConverted(GetParam());
}

// GetCommandLineA gives the line in the process's code page; a thread whose formats are
// English must not read it as 1252.
TEST_P(MakeCommandStringTest, IgnoresAThreadLocaleOfAnotherCodePage) {
    const ScopedThreadLocale english(kEnglishThreadLocale);
    ASSERT_TRUE(english.Switched());
    ASSERT_EQ(ThreadCodePageReadingOfNichi(), u"\u201C\u00FA");
    ExpectConverted(GetParam());
}

INSTANTIATE_TEST_SUITE_P(
    CommandLines, MakeCommandStringTest,
    ::testing::Values(
        ConversionCase{"QuotedPathWithArguments",
                       "\"C:\\Program Files\\Norvale\\NvLinkLauncher.exe\" /x \"a b\" c",
                       u"\"C:\\Program Files\\Norvale\\NvLinkLauncher.exe\" /x \"a b\" c"},
        ConversionCase{"Empty", "", u""},
        // The second byte of 表 is 0x5C, the backslash's value.
        ConversionCase{"DoubleBytePath", "C:\\x\\\x95\x5C.exe", u"C:\\x\\\u8868.exe"},
        ConversionCase{"JapaneseArguments", "app.exe \x93\xFA\x96\x7B\x8C\xEA \x95\x5C",
                       u"app.exe \u65E5\u672C\u8A9E \u8868"},
        ConversionCase{"JapaneseFileName", "app.exe C:\\\x93\xFA\x96\x7B\\\x95\x5C.txt",
                       u"app.exe C:\\\u65E5\u672C\\\u8868.txt"},
        ConversionCase{"HalfWidthKatakana", "\xB1\xB2", u"\uFF71\uFF72"}),
    [](const ::testing::TestParamInfo<ConversionCase>& info) { return info.param.name; });

}  // namespace
