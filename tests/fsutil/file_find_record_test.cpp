// The finder's reads of its current entry, on crafted entries.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "fsutil/file_find.h"
#include "file_time_support.h"
#include "finder_probe.h"
#include "shift_jis_fixture.h"

namespace {

constexpr DWORD kDirectory = FILE_ATTRIBUTE_DIRECTORY;

bool SameFileTime(const FILETIME& left, const FILETIME& right) {
    return left.dwLowDateTime == right.dwLowDateTime && left.dwHighDateTime == right.dwHighDateTime;
}

TEST(FileFindReads, ANewFinderHasNoEntry) {
    IFileFind finder;
    EXPECT_EQ(finder.GetEntryName(), "");
    EXPECT_EQ(finder.GetEntryPath(), "");
    EXPECT_EQ(finder.GetEntryTitle(), "");
    EXPECT_EQ(finder.GetSearchRoot(), "");
    EXPECT_EQ(finder.GetEntryUrl(), "file://");
    __time64_t time = 12345;
    EXPECT_FALSE(finder.GetModifiedTime(time));
    EXPECT_FALSE(finder.GetAccessedTime(time));
    EXPECT_FALSE(finder.GetCreatedTime(time));
    EXPECT_EQ(time, 12345);
    FILETIME fileTime{};
    EXPECT_FALSE(finder.GetModifiedFileTime(&fileTime));
    EXPECT_FALSE(finder.GetAccessedFileTime(&fileTime));
    EXPECT_FALSE(finder.GetCreatedFileTime(&fileTime));
    EXPECT_FALSE(finder.TestAttributes(0xFFFFFFFFu));
    EXPECT_FALSE(finder.IsDotEntry());
    EXPECT_FALSE(finder.AdvanceEntry());
}

TEST(FileFindReads, TitleIsTheNameUpToItsLastDot) {
    struct Case {
        const char* name;
        const char* title;
    };
    const Case cases[] = {
        {"a.b.txt", "a.b"}, {"plain", "plain"},
        {"..", "."},        {".", ""},
        {".profile", ""},   {"trailing.", "trailing"},
        {"a..b", "a."},     {SJIS_HYOU ".txt", SJIS_HYOU},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FinderProbe finder;
        finder.SetCurrent(c.name, 0);
        EXPECT_EQ(finder.GetEntryTitle(), c.title);
    }
}

using FileFindPathJoin = ShiftJisTest;

TEST_F(FileFindPathJoin, SeparatorOnlyWhereTheRootLacksOne) {
    struct Case {
        const char* root;
        const char* path;
    };
    const Case cases[] = {
        {"C:", "C:\\a"},
        {"C:\\", "C:\\a"},
        {"C:\\dir/", "C:\\dir/a"},
        {"/", "/a"},
        {"", "a"},
        {"C:\\" SJIS_HYOU, "C:\\" SJIS_HYOU "\\a"},
        {"\\\\srv\\share", "\\\\srv\\share\\a"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(std::string(c.root)));
        FinderProbe finder;
        finder.searchRoot = c.root;
        finder.SetCurrent("a", 0);
        EXPECT_EQ(finder.GetEntryPath(), c.path);
        EXPECT_EQ(finder.GetEntryUrl(), std::string("file://") + c.path);
    }
}

TEST(FileFindReads, WithoutAnEntryThePathIsTheRootAndItsSeparator) {
    const struct {
        const char* root;
        const char* path;
    } cases[] = {{"C:", "C:\\"}, {"C:\\", "C:\\"}, {"", ""}};
    for (const auto& c : cases) {
        FinderProbe finder;
        finder.searchRoot = c.root;
        EXPECT_EQ(finder.GetEntryPath(), c.path);
    }
}

TEST(FileFindReads, DotEntriesAreDirectoriesNamedDotOrDotDot) {
    struct Case {
        const char* name;
        DWORD attributes;
        bool dotEntry;
    };
    const Case cases[] = {
        {".", kDirectory, true},
        {"..", kDirectory | FILE_ATTRIBUTE_HIDDEN, true},
        {".", FILE_ATTRIBUTE_NORMAL, false},
        {"..", 0, false},
        {"...", kDirectory, false},
        {".x", kDirectory, false},
        {"x", kDirectory, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FinderProbe finder;
        finder.SetCurrent(c.name, c.attributes);
        EXPECT_EQ(finder.IsDotEntry(), c.dotEntry);
    }
}

TEST(FileFindReads, AttributesMustShareABitWithTheMask) {
    struct Case {
        DWORD attributes;
        DWORD mask;
        bool expected;
    };
    const Case cases[] = {
        {0xFFFFFFFFu, 0, false},         {0, 0xFFFFFFFFu, false},
        {kDirectory, kDirectory, true},  {0x20, kDirectory, false},
        {0x20, kDirectory | 0x20, true}, {0x80000000u, 0x80000000u, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << std::hex << c.attributes << " & " << c.mask);
        FinderProbe finder;
        finder.SetCurrent("x", c.attributes);
        EXPECT_EQ(finder.TestAttributes(c.mask), c.expected);
    }
}

// Each pair of time reads takes its own field of the entry.
TEST(FileFindReads, TimeReadsTakeTheirOwnField) {
    struct Case {
        const char* what;
        bool (IFileFind::*calendarRead)(__time64_t&) const;
        bool (IFileFind::*rawRead)(FILETIME*) const;
        std::int64_t expected;
    };
    const Case cases[] = {
        {"modified", &IFileFind::GetModifiedTime, &IFileFind::GetModifiedFileTime, 1577836800},
        {"accessed", &IFileFind::GetAccessedTime, &IFileFind::GetAccessedFileTime, 1278580211},
        {"created", &IFileFind::GetCreatedTime, &IFileFind::GetCreatedFileTime, 981173106},
    };
    FinderProbe finder;
    finder.SetCurrent("x", 0);
    finder.currentEntry->ftLastWriteTime = FileTimeFromUnixSeconds(1577836800);
    finder.currentEntry->ftLastAccessTime = FileTimeFromUnixSeconds(1278580211);
    finder.currentEntry->ftCreationTime = FileTimeFromUnixSeconds(981173106);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        __time64_t time = -7;
        EXPECT_TRUE((finder.*c.calendarRead)(time));
        EXPECT_EQ(time, c.expected);
        FILETIME raw{};
        EXPECT_TRUE((finder.*c.rawRead)(&raw));
        EXPECT_TRUE(SameFileTime(raw, FileTimeFromUnixSeconds(c.expected)));
        EXPECT_FALSE((finder.*c.rawRead)(nullptr));
    }
}

TEST(FileFindReads, TimesThatCannotBeFormedReadAsZeroWithSuccess) {
    const FILETIME cases[] = {
        FileTimeFromUnixSeconds(-3773779200),  // 1850
        FileTimeFromUnixSeconds(-2209021201),  // 1899-12-31 23:59:59 local
        FILETIME{0xFFFFFFFFu, 0xFFFFFFFFu},
    };
    for (const FILETIME& fileTime : cases) {
        SCOPED_TRACE(fileTime.dwHighDateTime);
        FinderProbe finder;
        finder.SetCurrent("x", 0);
        finder.currentEntry->ftLastWriteTime = fileTime;
        __time64_t time = -7;
        EXPECT_TRUE(finder.GetModifiedTime(time));
        EXPECT_EQ(time, 0);
    }
}

// Reads that build on other reads go through the virtual slots, so a derived finder that
// changes one read changes those built on it.
class RenamingFinder : public FinderProbe {
  public:
    std::string GetEntryName() const override { return "over.ride"; }
};

class RelocatingFinder : public FinderProbe {
  public:
    std::string GetEntryPath() const override { return "Z:\\elsewhere"; }
};

class EverythingMatchesFinder : public FinderProbe {
  public:
    bool TestAttributes(DWORD) const override { return true; }
};

TEST(FileFindReads, DerivedReadsAreHonoured) {
    RenamingFinder renaming;
    renaming.searchRoot = "R:";
    EXPECT_EQ(renaming.GetEntryPath(), "R:\\over.ride");
    EXPECT_EQ(renaming.GetEntryTitle(), "over");
    EXPECT_EQ(renaming.GetEntryUrl(), "file://R:\\over.ride");

    RelocatingFinder relocating;
    EXPECT_EQ(relocating.GetEntryUrl(), "file://Z:\\elsewhere");

    EverythingMatchesFinder matching;
    matching.SetCurrent("..", 0);
    EXPECT_TRUE(matching.IsDotEntry());
}

}  // namespace
