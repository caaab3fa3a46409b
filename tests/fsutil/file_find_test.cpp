// The finder over real folders in a scratch directory.
#include "fsutil/file_find.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "finder_probe.h"
#include "scratch_folder.h"

namespace {

struct Step {
    std::string name;
    bool more;
};

// Every entry of a started search, in the order the platform gave them.
std::vector<Step> Walk(IFileFind& finder) {
    std::vector<Step> steps;
    bool more = true;
    while (more && steps.size() < 1000) {
        more = finder.AdvanceEntry();
        steps.push_back({finder.GetEntryName(), more});
    }
    return steps;
}

std::vector<std::string> SortedNames(const std::vector<Step>& steps) {
    std::vector<std::string> names;
    for (const Step& step : steps) {
        names.push_back(step.name);
    }
    std::sort(names.begin(), names.end());
    return names;
}

class FileFindTest : public ::testing::Test {
  protected:
    ScratchFolder scratch_;
};

TEST_F(FileFindTest, OneMatchIsCurrentAfterTheFirstStep) {
    scratch_.AddFile("only.txt");
    IFileFind finder;
    ASSERT_TRUE(finder.BeginSearch(scratch_.At("only.txt").c_str()));
    const std::string root = finder.GetSearchRoot();
    EXPECT_EQ(root, scratch_.FullPath());

    // Started: the first match is fetched but not yet current.
    EXPECT_EQ(finder.GetEntryName(), "");
    EXPECT_EQ(finder.GetEntryPath(), root + "\\");

    EXPECT_FALSE(finder.AdvanceEntry());
    EXPECT_EQ(finder.GetEntryName(), "only.txt");
    EXPECT_EQ(finder.GetEntryTitle(), "only");
    EXPECT_EQ(finder.GetEntryPath(), root + "\\only.txt");
    EXPECT_EQ(finder.GetEntryUrl(), "file://" + root + "\\only.txt");
    EXPECT_FALSE(finder.TestAttributes(FILE_ATTRIBUTE_DIRECTORY));
    EXPECT_FALSE(finder.IsDotEntry());
}

TEST_F(FileFindTest, EachStepSaysWhetherAnotherEntryFollows) {
    for (const char* name : {"a.txt", "b.txt", "c.txt", "d.log"}) {
        scratch_.AddFile(name);
    }
    IFileFind finder;
    ASSERT_TRUE(finder.BeginSearch(scratch_.At("*.txt").c_str()));
    const std::vector<Step> steps = Walk(finder);
    ASSERT_EQ(steps.size(), 3u);
    EXPECT_TRUE(steps[0].more);
    EXPECT_TRUE(steps[1].more);
    EXPECT_FALSE(steps[2].more);
    EXPECT_EQ(SortedNames(steps), (std::vector<std::string>{"a.txt", "b.txt", "c.txt"}));
}

TEST_F(FileFindTest, NoPatternSearchesTheCurrentDirectory) {
    scratch_.AddFile("here.txt");
    scratch_.AddDirectory("sub");
    const ScopedCurrentDirectory inScratch(scratch_.Native(""));
    IFileFind finder;
    ASSERT_TRUE(finder.BeginSearch(nullptr));
    EXPECT_EQ(finder.GetSearchRoot(), scratch_.FullPath());
    EXPECT_EQ(SortedNames(Walk(finder)), (std::vector<std::string>{".", "..", "here.txt", "sub"}));
}

TEST_F(FileFindTest, ADirectoryPathFindsThatDirectory) {
    scratch_.AddDirectory("Data");
    scratch_.AddFile("Data/inside.txt");
    IFileFind finder;
    ASSERT_TRUE(finder.BeginSearch(scratch_.At("Data").c_str()));
    EXPECT_FALSE(finder.AdvanceEntry());
    const std::string root = finder.GetSearchRoot();
    EXPECT_EQ(root, scratch_.FullPath());
    EXPECT_EQ(finder.GetEntryName(), "Data");
    EXPECT_EQ(finder.GetEntryPath(), root + "\\Data");
    EXPECT_EQ(finder.GetEntryUrl(), "file://" + root + "\\Data");
    EXPECT_TRUE(finder.TestAttributes(FILE_ATTRIBUTE_DIRECTORY));
    EXPECT_FALSE(finder.TestAttributes(0));
    EXPECT_FALSE(finder.IsDotEntry());
}

// A directory directly below the root gets the drive as its search root, so that its path
// stays absolute ("Z:\\tmp" on the host, the Linux root being drive Z:).
TEST_F(FileFindTest, AnEntryBelowTheRootKeepsTheDrive) {
    const std::string full = scratch_.FullPath();
    const std::string top = full.substr(0, full.find('\\', 3));
    ASSERT_GT(top.size(), 3u) << full;
    IFileFind finder;
    ASSERT_TRUE(finder.BeginSearch(top.c_str()));
    EXPECT_FALSE(finder.AdvanceEntry());
    EXPECT_EQ(finder.GetSearchRoot(), top.substr(0, 2));
    EXPECT_EQ(finder.GetEntryPath(), top);
    EXPECT_TRUE(finder.TestAttributes(FILE_ATTRIBUTE_DIRECTORY));
}

// A pattern that ends in "." or ".." finds the directory it names, by its own name.
TEST_F(FileFindTest, ADotPathFindsTheDirectoryItNames) {
    scratch_.AddDirectory("sub");
    const std::string name =
        std::filesystem::path(scratch_.Native("")).parent_path().filename().string();
    for (const auto& [pattern, expected] :
         {std::pair<std::string, std::string>{"sub\\.", "sub"}, {"sub\\..", name}}) {
        IFileFind finder;
        ASSERT_TRUE(finder.BeginSearch(scratch_.At(pattern).c_str())) << pattern;
        finder.AdvanceEntry();
        EXPECT_EQ(finder.GetEntryName(), expected) << pattern;
        EXPECT_FALSE(finder.IsDotEntry()) << pattern;
        EXPECT_TRUE(finder.TestAttributes(FILE_ATTRIBUTE_DIRECTORY)) << pattern;
    }
}

TEST_F(FileFindTest, DotEntriesAndTitlesOfARealListing) {
    scratch_.AddFile("a.b.txt");
    scratch_.AddDirectory("sub");
    struct Expected {
        const char* title;
        bool dotEntry;
        bool directory;
    };
    const std::pair<std::string, Expected> table[] = {
        {".", {"", true, true}},
        {"..", {".", true, true}},
        {"a.b.txt", {"a.b", false, false}},
        {"sub", {"sub", false, true}},
    };
    IFileFind finder;
    ASSERT_TRUE(finder.BeginSearch(scratch_.At("*").c_str()));
    std::vector<std::string> seen;
    bool more = true;
    while (more && seen.size() < 10) {
        more = finder.AdvanceEntry();
        const std::string name = finder.GetEntryName();
        seen.push_back(name);
        SCOPED_TRACE(name);
        const auto row = std::find_if(std::begin(table), std::end(table),
                                      [&](const auto& entry) { return entry.first == name; });
        ASSERT_NE(row, std::end(table));
        EXPECT_EQ(finder.GetEntryTitle(), row->second.title);
        EXPECT_EQ(finder.IsDotEntry(), row->second.dotEntry);
        EXPECT_EQ(finder.TestAttributes(FILE_ATTRIBUTE_DIRECTORY), row->second.directory);
    }
    EXPECT_EQ(seen.size(), 4u);
}

TEST_F(FileFindTest, ModifiedTimeIsTheMomentTheFileWasWritten) {
    const __time64_t before = _time64(nullptr);
    scratch_.AddFile("fresh.txt");
    const __time64_t after = _time64(nullptr);
    IFileFind finder;
    ASSERT_TRUE(finder.BeginSearch(scratch_.At("fresh.txt").c_str()));
    finder.AdvanceEntry();
    __time64_t modified = 0;
    ASSERT_TRUE(finder.GetModifiedTime(modified));
    // File systems keep times at a coarser grain than the clock on some builds.
    EXPECT_GE(modified, before - 2);
    EXPECT_LE(modified, after + 2);
}

TEST_F(FileFindTest, FailuresLeaveThePlatformCodeAndNoSearch) {
    scratch_.AddFile("present.txt");
    struct Case {
        std::string pattern;
        DWORD error;
    };
    const Case cases[] = {
        {scratch_.At("missing.txt"), ERROR_FILE_NOT_FOUND},
        {scratch_.At("*.none"), ERROR_FILE_NOT_FOUND},
        {scratch_.At("nodir\\x.txt"), ERROR_PATH_NOT_FOUND},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pattern);
        FinderProbe finder;
        SetLastError(0);
        EXPECT_FALSE(finder.BeginSearch(c.pattern.c_str()));
        EXPECT_EQ(GetLastError(), c.error);
        EXPECT_EQ(finder.searchHandle.get(), INVALID_HANDLE_VALUE);
        EXPECT_FALSE(finder.currentEntry);
        EXPECT_FALSE(finder.nextEntry);
        EXPECT_FALSE(finder.AdvanceEntry());
        EXPECT_EQ(finder.GetEntryName(), "");
        finder.EndSearch();
        EXPECT_EQ(finder.searchHandle.get(), INVALID_HANDLE_VALUE);
        EXPECT_EQ(finder.closeCalls, 0);
    }
}

TEST_F(FileFindTest, PatternsLongerThanANameAreRefusedBeforeAnySearch) {
    scratch_.AddFile("present.txt");
    const std::string prefix = scratch_.At("");
    ASSERT_LT(prefix.size(), 200u);
    struct Case {
        std::size_t length;
        bool refused;
    };
    const Case cases[] = {{259, false}, {260, true}, {400, true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.length);
        const std::string pattern = prefix + std::string(c.length - prefix.size(), 'x');
        FinderProbe finder;
        ASSERT_TRUE(finder.BeginSearch(scratch_.At("present.txt").c_str()));
        SetLastError(0);
        EXPECT_FALSE(finder.BeginSearch(pattern.c_str()));
        EXPECT_EQ(finder.closeCalls, 1);
        if (c.refused) {
            EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_FILENAME_EXCED_RANGE));
            EXPECT_EQ(finder.searchHandle.get(), nullptr);
        } else {
            EXPECT_NE(GetLastError(), static_cast<DWORD>(ERROR_FILENAME_EXCED_RANGE));
            EXPECT_EQ(finder.searchHandle.get(), INVALID_HANDLE_VALUE);
        }
        EXPECT_FALSE(finder.currentEntry);
        EXPECT_FALSE(finder.nextEntry);
    }
}

TEST_F(FileFindTest, TwoRecordsServeAWholeSearch) {
    for (const char* name : {"1", "2", "3", "4"}) {
        scratch_.AddFile(name);
    }
    FinderProbe finder;
    ASSERT_TRUE(finder.BeginSearch(scratch_.At("*").c_str()));
    EXPECT_FALSE(finder.currentEntry);
    ASSERT_TRUE(finder.nextEntry);
    const WIN32_FIND_DATAA* first = finder.nextEntry.get();

    ASSERT_TRUE(finder.AdvanceEntry());
    EXPECT_EQ(finder.currentEntry.get(), first);
    const WIN32_FIND_DATAA* second = finder.nextEntry.get();
    ASSERT_NE(second, nullptr);
    EXPECT_NE(second, first);

    for (int step = 0; step < 3; ++step) {
        const WIN32_FIND_DATAA* current = finder.currentEntry.get();
        const WIN32_FIND_DATAA* next = finder.nextEntry.get();
        ASSERT_TRUE(finder.AdvanceEntry());
        EXPECT_EQ(finder.currentEntry.get(), next);
        EXPECT_EQ(finder.nextEntry.get(), current);
    }
}

TEST_F(FileFindTest, ANewSearchClosesTheOpenOne) {
    scratch_.AddFile("a.txt");
    scratch_.AddFile("b.txt");
    FinderProbe finder;
    ASSERT_TRUE(finder.BeginSearch(scratch_.At("*.txt").c_str()));
    ASSERT_TRUE(finder.AdvanceEntry());
    EXPECT_EQ(finder.closeCalls, 0);

    ASSERT_TRUE(finder.BeginSearch(scratch_.At("b.txt").c_str()));
    EXPECT_EQ(finder.closeCalls, 1);
    EXPECT_FALSE(finder.currentEntry);
    EXPECT_FALSE(finder.AdvanceEntry());
    EXPECT_EQ(finder.GetEntryName(), "b.txt");

    // Last: the search stays open until it is ended, and ends once.
    EXPECT_NE(finder.searchHandle.get(), nullptr);
    finder.EndSearch();
    EXPECT_EQ(finder.closeCalls, 2);
    EXPECT_EQ(finder.searchHandle.get(), nullptr);
    EXPECT_FALSE(finder.currentEntry);
    EXPECT_FALSE(finder.nextEntry);
    EXPECT_FALSE(finder.GetSearchRoot().empty());
    finder.EndSearch();
    EXPECT_EQ(finder.closeCalls, 2);
    EXPECT_FALSE(finder.AdvanceEntry());
}

TEST_F(FileFindTest, AFullPathBeyondMaxPathEndsTheSearch) {
    std::string deep;
    for (int level = 0; level < 6; ++level) {
        deep += (level == 0 ? "" : "/") + std::string(50, static_cast<char>('a' + level));
    }
    scratch_.AddDirectory(deep);
    scratch_.AddFile(deep + "/f");
    std::optional<ScopedCurrentDirectory> inDeepFolder;
    try {
        inDeepFolder.emplace(scratch_.Native(deep));
    } catch (const std::filesystem::filesystem_error&) {
        GTEST_SKIP() << "this platform cannot work in a folder that deep";
    }

    FinderProbe finder;
    SetLastError(0);
    EXPECT_FALSE(finder.BeginSearch("f"));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_NAME));
    EXPECT_EQ(finder.closeCalls, 1);
    EXPECT_EQ(finder.searchHandle.get(), nullptr);
    EXPECT_FALSE(finder.nextEntry);
}

}  // namespace
