#include "fsutil/path_components.h"

#include <gtest/gtest.h>

#include <string>

#include "shift_jis_fixture.h"

namespace {

using PathComponentsTest = ShiftJisTest;

// The lengths must agree with the split, or a part too long for its field slips through.
TEST_F(PathComponentsTest, MeasuresThePartsTheSplitMakes) {
    struct Case {
        std::string path;
        PathComponentLengths expected;
    };
    const Case cases[] = {
        {"", {0, 0, 0, 0}},
        {"C:", {2, 0, 0, 0}},
        {"C:\\dir\\sub\\file.txt", {2, 9, 4, 4}},
        {"\\\\srv\\share", {0, 6, 5, 0}},
        {"a.b.c", {0, 0, 3, 2}},
        {".profile", {0, 0, 0, 8}},
        {"dir.d\\file", {0, 6, 4, 0}},
        {"x/y\\", {0, 4, 0, 0}},
        {"C:\\x\\" SJIS_HYOU, {2, 3, 2, 0}},
        {"C:\\" SJIS_HYOU "\\a", {2, 4, 1, 0}},
        {SJIS_HYOU ".t", {0, 0, 2, 2}},
        {"\\" + std::string(300, 'd') + "\\n.e", {0, 302, 1, 2}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.path));
        const PathComponentLengths lengths = MeasurePathComponents(c.path.c_str());
        EXPECT_EQ(lengths.drive, c.expected.drive);
        EXPECT_EQ(lengths.directory, c.expected.directory);
        EXPECT_EQ(lengths.fileName, c.expected.fileName);
        EXPECT_EQ(lengths.extension, c.expected.extension);
    }
}

}  // namespace
