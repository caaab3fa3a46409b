#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "platform/win32.h"
#include "scoped_code_page.h"

namespace {

struct SplitCase {
    const char* name;
    std::string path;
    std::string drive;
    std::string directory;
    std::string fileName;
    std::string extension;
};

// Fields one byte wider than the run-time may use, so a write past its width shows.
struct Fields {
    char drive[_MAX_DRIVE + 1];
    char directory[_MAX_DIR + 1];
    char fileName[_MAX_FNAME + 1];
    char extension[_MAX_EXT + 1];

    Fields() { std::memset(this, 'X', sizeof *this); }
    bool Overran() const {
        return drive[_MAX_DRIVE] != 'X' || directory[_MAX_DIR] != 'X' ||
               fileName[_MAX_FNAME] != 'X' || extension[_MAX_EXT] != 'X';
    }
};

class SplitPath : public testing::TestWithParam<SplitCase> {
  protected:
    const ScopedCodePage shiftJis_{932};
};

TEST_P(SplitPath, TakesThePathApart) {
    const SplitCase& split = GetParam();
    Fields fields;
    _splitpath(split.path.c_str(), fields.drive, fields.directory, fields.fileName,
               fields.extension);
    EXPECT_EQ(fields.drive, split.drive);
    EXPECT_EQ(fields.directory, split.directory);
    EXPECT_EQ(fields.fileName, split.fileName);
    EXPECT_EQ(fields.extension, split.extension);
    EXPECT_FALSE(fields.Overran());
}

const std::string kLongName(300, 'n');
// 127 double-byte characters are 254 bytes; a 128th would need 256 of the 255 there are.
std::string DoubleByteName(int characters) {
    std::string name;
    for (int i = 0; i < characters; ++i) {
        name += "\x95\x5C";
    }
    return name;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SplitPath,
    testing::Values(
        SplitCase{"Full", "C:\\dir\\sub\\file.txt", "C:", "\\dir\\sub\\", "file", ".txt"},
        SplitCase{"Unc", "\\\\srv\\share\\dir\\file.txt", "", "\\\\srv\\share\\dir\\", "file",
                  ".txt"},
        SplitCase{"Slashes", "//srv/share/x", "", "//srv/share/", "x", ""},
        SplitCase{"MixedSeparators", "C:/a\\b/c.d", "C:", "/a\\b/", "c", ".d"},
        SplitCase{"DirectoryOnly", "C:\\dir\\", "C:", "\\dir\\", "", ""},
        SplitCase{"LastDotCounts", "a.b.c", "", "", "a.b", ".c"},
        SplitCase{"DotInDirectoryOnly", "C:\\a.d\\name", "C:", "\\a.d\\", "name", ""},
        SplitCase{"LeadingDot", ".profile", "", "", "", ".profile"},
        SplitCase{"DriveRelative", "C:name.txt", "C:", "", "name", ".txt"},
        SplitCase{"Empty", "", "", "", "", ""},
        SplitCase{"TrailByteIsNoSeparator", "C:\\x\\\x95\x5C", "C:", "\\x\\", "\x95\x5C", ""},
        SplitCase{"TrailByteEndsDirectoryName", "C:\\\x95\x5C\\a", "C:", "\\\x95\x5C\\", "a", ""},
        // A piece that does not fit its field empties every field, as msvcrt does.
        SplitCase{"LongNameEmptiesEveryField", "C:\\d\\" + kLongName + ".e", "", "", "", ""},
        SplitCase{"LongExtensionEmptiesEveryField", "a." + kLongName, "", "", "", ""},
        SplitCase{"LongDirectoryEmptiesEveryField", "\\" + kLongName + "\\f", "", "", "", ""},
        SplitCase{"LongDoubleByteNameEmptiesEveryField", DoubleByteName(128) + ".x", "", "", "",
                  ""},
        SplitCase{"NameOfTheFullWidthFits", DoubleByteName(127) + "n.x", "", "",
                  DoubleByteName(127) + "n", ".x"}),
    [](const testing::TestParamInfo<SplitCase>& info) { return info.param.name; });

TEST(SplitPath, AnyFieldMayBeLeftOut) {
    char directory[_MAX_DIR];
    char extension[_MAX_EXT];
    _splitpath("C:\\dir\\file.txt", nullptr, directory, nullptr, extension);
    EXPECT_STREQ(directory, "\\dir\\");
    EXPECT_STREQ(extension, ".txt");
}

TEST(SplitPath, NoPathGivesEmptyFields) {
    Fields fields;
    _splitpath(nullptr, fields.drive, fields.directory, fields.fileName, fields.extension);
    EXPECT_STREQ(fields.drive, "");
    EXPECT_STREQ(fields.directory, "");
    EXPECT_STREQ(fields.fileName, "");
    EXPECT_STREQ(fields.extension, "");
}

}  // namespace
