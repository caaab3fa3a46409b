// Reading entries out of string-table blocks built by hand, including damaged ones.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "launcher/string_table_block.h"

namespace {

// A block from its 16 texts (or fewer: the block then ends early), as a resource compiler
// lays it out: each text's unit count, then its units.
std::vector<std::uint16_t> MakeBlock(const std::vector<std::u16string>& texts) {
    std::vector<std::uint16_t> block;
    for (const std::u16string& text : texts) {
        block.push_back(static_cast<std::uint16_t>(text.size()));
        block.insert(block.end(), text.begin(), text.end());
    }
    return block;
}

std::vector<std::u16string> SixteenWith(std::size_t entry, const std::u16string& text) {
    std::vector<std::u16string> texts(16);
    texts[entry] = text;
    return texts;
}

std::u16string TextOf(const StringTableEntry& entry) {
    return std::u16string(reinterpret_cast<const char16_t*>(entry.units), entry.count);
}

struct EntryCase {
    const char* name;
    std::vector<std::uint16_t> block;
    // Bytes of the block the lookup is told about; kWhole for all of them.
    std::size_t byteSize;
    unsigned id;
    std::u16string expected;  // empty: absent
};

void PrintTo(const EntryCase& c, std::ostream* os) {
    *os << c.name;
}

constexpr std::size_t kWhole = static_cast<std::size_t>(-1);

class FindStringTableEntryTest : public ::testing::TestWithParam<EntryCase> {};

TEST_P(FindStringTableEntryTest, FindsTheEntryOrReportsItAbsent) {
    const EntryCase& c = GetParam();
    const std::size_t size = c.byteSize == kWhole ? c.block.size() * 2 : c.byteSize;
    const StringTableEntry entry = FindStringTableEntry(c.block.data(), size, c.id);
    EXPECT_EQ(entry.IsPresent(), !c.expected.empty());
    EXPECT_EQ(TextOf(entry), c.expected);
}

const std::vector<std::u16string> kFullBlock = {u"zero",
                                                u"",
                                                u"two",
                                                u"",
                                                u"",
                                                u"",
                                                u"",
                                                u"",
                                                u"",
                                                u"",
                                                u"AppRun\u30AA\u30D6\u30B8\u30A7\u30AF\u30C8",
                                                u"eleven",
                                                u"",
                                                u"",
                                                u"",
                                                u"last"};

INSTANTIATE_TEST_SUITE_P(
    Blocks, FindStringTableEntryTest,
    ::testing::Values(
        EntryCase{"FirstEntry", MakeBlock(kFullBlock), kWhole, 10000, u"zero"},
        EntryCase{"EntryTen", MakeBlock(kFullBlock), kWhole, 10010,
                  u"AppRun\u30AA\u30D6\u30B8\u30A7\u30AF\u30C8"},
        EntryCase{"EntryEleven", MakeBlock(kFullBlock), kWhole, 10011, u"eleven"},
        EntryCase{"LastEntry", MakeBlock(kFullBlock), kWhole, 10015, u"last"},
        EntryCase{"OnlyTheIdModSixteenCounts", MakeBlock(kFullBlock), kWhole, 2, u"two"},
        EntryCase{"EmptyEntry", MakeBlock(kFullBlock), kWhole, 10001, u""},
        EntryCase{"EmptyEntryBeforeTheEnd", MakeBlock(kFullBlock), kWhole, 10014, u""},
        EntryCase{"EmptyBlock", {}, 0, 10010, u""},
        EntryCase{"BlockEndsBeforeTheEntry", MakeBlock({u"a", u"b", u"c"}), kWhole, 10010, u""},
        EntryCase{"BlockEndsRightAtTheEntry", MakeBlock({u"a", u"b"}), kWhole, 2, u""},
        // Ten empty entries, the count, then three of the six units.
        EntryCase{"CountRunsPastTheBlock", MakeBlock(SixteenWith(10, u"AppRun")),
                  10 * 2 + 2 + 3 * 2, 10010, u""},
        EntryCase{"CountOfTheLastEntryRunsPastTheBlock", MakeBlock(SixteenWith(15, u"xyz")),
                  15 * 2 + 2 + 4, 15, u""},
        EntryCase{"SkippedEntryRunsPastTheBlock", {0, 0, 0x7FFF, 'a'}, kWhole, 10, u""},
        EntryCase{"HalfACountUnitAtTheEnd", MakeBlock({u"a", u"bc"}), 5, 1, u""},
        EntryCase{"TextCutShortByAnOddSize", MakeBlock({u"a", u"bc"}), 9, 1, u""},
        EntryCase{"TextEndingExactlyAtTheBlockEnd", MakeBlock({u"a", u"bc"}), kWhole, 1, u"bc"}),
    [](const ::testing::TestParamInfo<EntryCase>& info) { return info.param.name; });

struct BlockNumberCase {
    unsigned id;
    unsigned blockNumber;
};

void PrintTo(const BlockNumberCase& c, std::ostream* os) {
    *os << c.id;
}

class StringTableBlockNumberTest : public ::testing::TestWithParam<BlockNumberCase> {};

TEST_P(StringTableBlockNumberTest, IdSelectsTheBlockOfItsSixteen) {
    EXPECT_EQ(StringTableBlockNumber(GetParam().id), GetParam().blockNumber);
}

INSTANTIATE_TEST_SUITE_P(Ids, StringTableBlockNumberTest,
                         ::testing::Values(BlockNumberCase{0, 1}, BlockNumberCase{15, 1},
                                           BlockNumberCase{16, 2}, BlockNumberCase{10000, 626},
                                           BlockNumberCase{10010, 626}, BlockNumberCase{10015, 626},
                                           BlockNumberCase{10016, 627},
                                           BlockNumberCase{0xFFFEF, 0xFFFF},
                                           // Cut to 16 bits this would be block 626.
                                           BlockNumberCase{0x100000 + 10010, 0},
                                           BlockNumberCase{0xFFFFFFFF, 0}));

}  // namespace
