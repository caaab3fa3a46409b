#include "fsutil/split_path.h"

#include <gtest/gtest.h>

#include <string>

#include "shift_jis_fixture.h"

namespace {

struct Fields {
    std::string drive;
    std::string server;
    std::string directory;
    std::string fileName;
    std::string extension;
    std::string driveAndDirectory;
    std::string nameAndExtension;
};

struct Case {
    std::string path;
    Fields expected;
};

void ExpectSplit(const std::string& path, const std::string& source, const Fields& expected) {
    SCOPED_TRACE(::testing::PrintToString(path));
    const ISplitPath split(path.c_str());
    EXPECT_EQ(std::string(split.sourcePath), source);
    EXPECT_EQ(std::string(split.drive), expected.drive);
    EXPECT_EQ(std::string(split.server), expected.server);
    EXPECT_EQ(std::string(split.directory), expected.directory);
    EXPECT_EQ(std::string(split.fileName), expected.fileName);
    EXPECT_EQ(std::string(split.extension), expected.extension);
    EXPECT_EQ(std::string(split.driveAndDirectory), expected.driveAndDirectory);
    EXPECT_EQ(std::string(split.nameAndExtension), expected.nameAndExtension);
}

void ExpectSplits(const Case* begin, const Case* end) {
    for (const Case* c = begin; c != end; ++c) {
        ExpectSplit(c->path, c->path, c->expected);
    }
}

TEST(PathSplitter, OrdinaryPaths) {
    const Case cases[] = {
        {"C:\\dir\\sub\\file.txt",
         {"C:", "", "\\dir\\sub\\", "file", ".txt", "C:\\dir\\sub\\", "file.txt"}},
        {"C:\\dir\\", {"C:", "", "\\dir\\", "", "", "C:\\dir\\", ""}},
        {"C:file.txt", {"C:", "", "", "file", ".txt", "C:", "file.txt"}},
        {"a.b.c", {"", "", "", "a.b", ".c", "", "a.b.c"}},
        {".profile", {"", "", "", "", ".profile", "", ".profile"}},
        {"dir.d\\file", {"", "", "dir.d\\", "file", "", "dir.d\\", "file"}},
        {"a/b\\c/d.e", {"", "", "a/b\\c/", "d", ".e", "a/b\\c/", "d.e"}},
        {"", {"", "", "", "", "", "", ""}},
    };
    ExpectSplits(std::begin(cases), std::end(cases));
}

TEST(PathSplitter, UncPaths) {
    const Case cases[] = {
        {"\\\\srv\\share\\dir\\file.txt",
         {"\\\\srv", "srv", "\\share\\dir\\", "file", ".txt", "\\\\srv\\share\\dir\\", "file.txt"}},
        {"\\\\srv\\share", {"\\\\srv", "srv", "\\", "share", "", "\\\\srv\\", "share"}},
        {"\\\\srv\\share\\", {"\\\\srv", "srv", "\\share\\", "", "", "\\\\srv\\share\\", ""}},
        {"\\\\srv\\", {"\\\\srv", "srv", "\\", "", "", "\\\\srv\\", ""}},
        // A bare server is no UNC split.
        {"\\\\srv", {"", "", "", "srv", "", "", "srv"}},
        // Only two backslashes introduce a server; slashes do not.
        {"//srv/share/x", {"", "", "//srv/share/", "x", "", "//srv/share/", "x"}},
        {"\\/srv/share", {"", "", "\\/srv/", "share", "", "\\/srv/", "share"}},
        // A drive letter rules UNC out.
        {"C:\\\\srv\\x", {"C:", "", "\\\\srv\\", "x", "", "C:\\\\srv\\", "x"}},
        // The server name is what lies between the second and the third backslash.
        {"\\\\\\x", {"\\\\", "", "\\", "x", "", "\\\\\\", "x"}},
    };
    ExpectSplits(std::begin(cases), std::end(cases));
}

using PathSplitterShiftJis = ShiftJisTest;

TEST_F(PathSplitterShiftJis, TrailBytesAreNoSeparators) {
    const Case cases[] = {
        {"C:\\x\\" SJIS_HYOU, {"C:", "", "\\x\\", SJIS_HYOU, "", "C:\\x\\", SJIS_HYOU}},
        {"C:\\" SJIS_HYOU "\\a",
         {"C:", "", "\\" SJIS_HYOU "\\", "a", "", "C:\\" SJIS_HYOU "\\", "a"}},
        {SJIS_HYOU ".txt", {"", "", "", SJIS_HYOU, ".txt", "", SJIS_HYOU ".txt"}},
        {"\\\\" SJIS_HYOU "\\share\\f",
         {"\\\\" SJIS_HYOU, SJIS_HYOU, "\\share\\", "f", "", "\\\\" SJIS_HYOU "\\share\\", "f"}},
        {SJIS_HALFWIDTH_A "\\b",
         {"", "", SJIS_HALFWIDTH_A "\\", "b", "", SJIS_HALFWIDTH_A "\\", "b"}},
    };
    ExpectSplits(std::begin(cases), std::end(cases));
}

TEST(PathSplitter, AbsentPathLeavesEveryFieldEmpty) {
    const ISplitPath split;
    for (const char* field :
         {split.sourcePath.c_str(), split.drive.c_str(), split.server.c_str(),
          split.directory.c_str(), split.fileName.c_str(), split.extension.c_str(),
          split.driveAndDirectory.c_str(), split.nameAndExtension.c_str()}) {
        EXPECT_STREQ(field, "");
    }
}

TEST(PathSplitter, PathsBeyond260BytesAreSplitAsTheirFirst260) {
    const std::string directory = "\\" + std::string(150, 'a') + "\\";
    const std::string path = "C:" + directory + std::string(150, 'b') + ".txt";
    ExpectSplit(
        path, path.substr(0, 260),
        {"C:", "", directory, std::string(106, 'b'), "", "C:" + directory, std::string(106, 'b')});
}

TEST_F(PathSplitterShiftJis, CutAt260BytesKeepsNoLoneLeadByte) {
    // Bytes 259 and 260 are one character: the cut drops it whole.
    const std::string directory = "\\" + std::string(200, 'x') + "\\";
    const std::string name = std::string(55, 'b');
    const std::string path = "C:" + directory + name + SJIS_HYOU;
    ASSERT_EQ(path.size(), 261u);
    ExpectSplit(path, path.substr(0, 259), {"C:", "", directory, name, "", "C:" + directory, name});
}

TEST(PathSplitter, ComponentsBeyond255BytesLeaveTheSplitEmpty) {
    const Fields empty{"", "", "", "", "", "", ""};
    struct LongCase {
        std::string path;
        bool fits;
    };
    const LongCase cases[] = {
        {"\\" + std::string(253, 'd') + "\\f.t", true},
        {"\\" + std::string(254, 'd') + "\\f.t", false},
        {"C:\\" + std::string(253, 'd') + "\\", true},
        {"C:\\" + std::string(254, 'd') + "\\", false},
        {"\\\\srv\\" + std::string(250, 's') + "\\x", false},
        {std::string(255, 'n'), true},
        {std::string(256, 'n'), false},
        {"x\\" + std::string(256, 'n') + ".e", false},
        {"a." + std::string(254, 'e'), true},
        {"a." + std::string(255, 'e'), false},
    };
    for (const LongCase& c : cases) {
        SCOPED_TRACE(c.path.size());
        const ISplitPath split(c.path.c_str());
        EXPECT_EQ(std::string(split.sourcePath), c.path);
        if (c.fits) {
            EXPECT_EQ(std::string(split.driveAndDirectory) + split.nameAndExtension.c_str(),
                      c.path);
        } else {
            ExpectSplit(c.path, c.path, empty);
        }
    }
}

}  // namespace
