// Texts of the executable's real string table, which this test program carries too.
#include <gtest/gtest.h>

#include <string>

#include "launcher/resource_modules.h"
#include "launcher/string_ids.h"
#include "launcher/string_resource.h"
#include "scoped_thread_locale.h"
#include "shift_jis.h"

namespace {

struct TableCase {
    const char* name;
    unsigned id;
    std::string expected;  // empty: no text
};

void PrintTo(const TableCase& c, std::ostream* os) {
    *os << c.name;
}

class LoadStringTextTest : public ::testing::TestWithParam<TableCase> {};

TEST_P(LoadStringTextTest, GivesTheRowInTheAnsiCodePage) {
    EXPECT_EQ(LoadStringText(ProcessResourceModules(), GetParam().id), GetParam().expected);
}

// MessageBoxA reads the text in the process's code page, whatever the thread's locale says.
TEST_P(LoadStringTextTest, IgnoresAThreadLocaleOfAnotherCodePage) {
    const ScopedThreadLocale english(kEnglishThreadLocale);
    ASSERT_TRUE(english.Switched());
    ASSERT_EQ(ThreadCodePageReadingOfNichi(), u"\u201C\u00FA");
    EXPECT_EQ(LoadStringText(ProcessResourceModules(), GetParam().id), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, LoadStringTextTest,
    ::testing::Values(TableCase{"AppRunNotCreated", 10010, kAppRunNotCreatedSjis},
                      TableCase{"NextEntryOfTheBlock", 10011, kAccountsNotReadSjis},
                      TableCase{"LastEntryOfTheBlock", 10015, kReturnNotWrittenSjis},
                      TableCase{"FirstEntryOfTheNextBlock", 10016, ""},
                      TableCase{"EmptyEntryInsideTheBlock", 10012, ""},
                      TableCase{"IdKeptFreeForTheGenericText", kCommandLineNotConvertedStringId,
                                ""},
                      // Would read as 10010 if the block number were cut to 16 bits.
                      TableCase{"IdBeyondSixteenBitBlocks", 0x100000 + 10010, ""}),
    [](const ::testing::TestParamInfo<TableCase>& info) { return info.param.name; });

TEST(LoadStringTextTest, NoModulesMeansNoText) {
    const ResourceModules none({});
    EXPECT_EQ(LoadStringText(none, 10010), "");
}

}  // namespace
