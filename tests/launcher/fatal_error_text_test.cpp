// The fatal error message as the user reads it.
#include <gtest/gtest.h>

#include <string>

#include "launcher/fatal_error_text.h"
#include "launcher/resource_modules.h"
#include "launcher/string_ids.h"
#include "launcher/string_resource.h"
#include "scoped_thread_locale.h"
#include "shift_jis.h"

namespace {

struct MessageCase {
    const char* name;
    std::string tableText;
    std::string expected;
};

void PrintTo(const MessageCase& c, std::ostream* os) {
    *os << c.name;
}

class ComposeFatalErrorTextTest : public ::testing::TestWithParam<MessageCase> {};

TEST_P(ComposeFatalErrorTextTest, AppendsTheClosingLineOnce) {
    EXPECT_EQ(ComposeFatalErrorText(GetParam().tableText), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ComposeFatalErrorTextTest,
    ::testing::Values(MessageCase{"TableText", kAppRunNotCreatedSjis,
                                  std::string(kAppRunNotCreatedSjis) + kClosingLineSjis},
                      MessageCase{"NoTableText", "",
                                  std::string(kGenericFatalSjis) + kClosingLineSjis},
                      MessageCase{"TableTextEndingInALineFeedKeepsIt", "x\n",
                                  "x\n" + std::string(kClosingLineSjis)},
                      MessageCase{"SingleByteText", "A", "A" + std::string(kClosingLineSjis)}),
    [](const ::testing::TestParamInfo<MessageCase>& info) { return info.param.name; });

TEST(FatalErrorTextTest, FixedTextsHaveTheirCodePage932Lengths) {
    const std::string generic = ComposeFatalErrorText("");
    ASSERT_EQ(generic.size(), 30u + 33u);
    EXPECT_EQ(generic[30], '\n');
    EXPECT_EQ(generic.find('\r'), std::string::npos);
}

struct ShownCase {
    const char* name;
    unsigned id;
    std::string expected;
};

void PrintTo(const ShownCase& c, std::ostream* os) {
    *os << c.name;
}

class FatalErrorMessageTest : public ::testing::TestWithParam<ShownCase> {};

// The message for each id the launcher shows, from this program's own string table.
TEST_P(FatalErrorMessageTest, ReadsAsTheUserSeesIt) {
    const std::string text =
        ComposeFatalErrorText(LoadStringText(ProcessResourceModules(), GetParam().id));
    EXPECT_EQ(text, GetParam().expected);
}

// A Japanese Windows whose formats are English: the box still reads as Shift-JIS.
TEST_P(FatalErrorMessageTest, ReadsTheSameUnderAThreadLocaleOfAnotherCodePage) {
    const ScopedThreadLocale english(kEnglishThreadLocale);
    ASSERT_TRUE(english.Switched());
    ASSERT_EQ(ThreadCodePageReadingOfNichi(), u"\u201C\u00FA");
    const std::string text =
        ComposeFatalErrorText(LoadStringText(ProcessResourceModules(), GetParam().id));
    EXPECT_EQ(text, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Ids, FatalErrorMessageTest,
    ::testing::Values(ShownCase{"AppRunNotCreated", kAppRunNotCreatedStringId,
                                std::string(kAppRunNotCreatedSjis) + kClosingLineSjis},
                      ShownCase{"CommandLineNotConverted", kCommandLineNotConvertedStringId,
                                std::string(kGenericFatalSjis) + kClosingLineSjis}),
    [](const ::testing::TestParamInfo<ShownCase>& info) { return info.param.name; });

}  // namespace
