#include "fsutil/directory_tree.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "scratch_folder.h"
#include "scratch_share.h"
#include "shift_jis_fixture.h"

namespace {

struct TreeCase {
    const char* what;
    std::vector<std::string> directories;  // made first, '/'-separated
    std::vector<std::string> files;
    std::string path;  // below the scratch folder, as a caller writes it
    bool created;
    std::vector<std::string> existAfter;
    std::vector<std::string> absentAfter;
};

TEST(CreateDirectoryTree, CreatesWhatIsMissingBelowTheFirstExistingParent) {
    const TreeCase cases[] = {
        {"climbs to the first existing parent", {"a"}, {}, "a\\b\\c", true, {"a/b", "a/b/c"}, {}},
        {"a whole missing chain", {}, {}, "p\\q\\r", true, {"p", "p/q", "p/q/r"}, {}},
        {"trailing backslash", {"a"}, {}, "a\\b\\", true, {"a/b"}, {}},
        {"directly below an existing folder", {"a"}, {}, "a\\b", true, {"a/b"}, {}},
        {"existing target", {"a/b"}, {}, "a\\b", false, {"a/b"}, {"a/b/b"}},
        {"existing target, trailing backslash", {"a/b"}, {}, "a\\b\\", false, {"a/b"}, {}},
        {"parent is a file", {}, {"f.txt"}, "f.txt\\sub\\leaf", false, {}, {}},
        {"trailing slash", {"a"}, {}, "a/b/c/", true, {"a/b", "a/b/c"}, {}},
        {"slashes throughout", {}, {}, "s/t", true, {"s", "s/t"}, {}},
        {"mixed separators", {}, {}, "x\\y/z\\", true, {"x/y/z"}, {}},
        {"two separators below an existing folder", {"a"}, {}, "a\\\\b", true, {"a/b"}, {}},
        {"two separators in a missing chain", {}, {}, "m\\\\n\\o", true, {"m/n", "m/n/o"}, {}},
        {"two trailing separators", {"a"}, {}, "a\\b\\\\", true, {"a/b"}, {}},
    };
    for (const TreeCase& c : cases) {
        SCOPED_TRACE(c.what);
        const ScratchFolder scratch;
        for (const std::string& directory : c.directories) {
            scratch.AddDirectory(directory);
        }
        for (const std::string& file : c.files) {
            scratch.AddFile(file);
        }
        EXPECT_EQ(CreateDirectoryTree(scratch.At(c.path)), c.created);
        for (const std::string& directory : c.existAfter) {
            EXPECT_TRUE(scratch.HasDirectory(directory)) << directory;
        }
        for (const std::string& absent : c.absentAfter) {
            EXPECT_FALSE(std::filesystem::exists(scratch.Native(absent))) << absent;
        }
        for (const std::string& file : c.files) {
            EXPECT_TRUE(std::filesystem::is_regular_file(scratch.Native(file))) << file;
        }
    }
}

TEST(CreateDirectoryTree, AnExistingTargetLeavesThePlatformCode) {
    const ScratchFolder scratch;
    scratch.AddDirectory("a");
    SetLastError(0);
    EXPECT_FALSE(CreateDirectoryTree(scratch.At("a")));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_ALREADY_EXISTS));
}

TEST(CreateDirectoryTree, RelativePathsWithoutAParentAreCreatedAtOnce) {
    const ScratchFolder scratch;
    const ScopedCurrentDirectory inScratch(scratch.Native(""));
    struct Case {
        const char* path;
        bool created;
        const char* directory;
    };
    const Case cases[] = {
        {"logs", true, "logs"},    {"trail\\", true, "trail"}, {".\\dot", true, "dot"},
        {"r1\\r2", true, "r1/r2"}, {"logs", false, "logs"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        EXPECT_EQ(CreateDirectoryTree(c.path), c.created);
        EXPECT_TRUE(scratch.HasDirectory(c.directory));
    }
}

TEST(CreateDirectoryTree, DirectlyBelowADriveRoot) {
    const ScratchFolder scratch;
    const std::string folder = scratch.Path();
    // Only drive-letter builds have a root of their own to spare for a test.
    if (folder.size() < 2 || folder[1] != ':') {
        GTEST_SKIP() << "no drive root here";
    }
    // A drive root (D:\) joined with \name gives two separators.
    for (const char* root : {"\\", "\\\\"}) {
        SCOPED_TRACE(root);
        const std::string name = "launcher-fsutil-" + std::to_string(std::random_device()());
        const bool created = CreateDirectoryTree(folder.substr(0, 2) + root + name);
        const std::string path = folder.substr(0, 2) + "\\" + name;
        const bool exists = std::filesystem::is_directory(path);
        std::error_code ignored;
        std::filesystem::remove(path, ignored);
        EXPECT_TRUE(created);
        EXPECT_TRUE(exists);
    }
}

// A share root is no folder a search finds (Windows, and the host layer as Windows), so the
// climb must stop there as at a drive root. Under Wine, which finds it, these pass either way.
TEST(CreateDirectoryTree, StopsAtAShareRoot) {
    const ScratchShare share;
    if (!share.Reachable()) {
        GTEST_SKIP() << "no share here";
    }
    struct Case {
        const char* what;
        bool topExists;         // <top> made first
        const char* separator;  // between the share and <top>
        std::string below;      // after <top>, as a caller writes it
        bool created;
        std::vector<std::string> existAfter;  // below <top>, '/'-separated; "" is <top>
    };
    const Case cases[] = {
        {"directly below the share", false, "\\", "", true, {""}},
        {"below the share root",
         false,
         "\\",
         "\\Norvale\\SystemLog",
         true,
         {"", "Norvale", "Norvale/SystemLog"}},
        {"trailing backslash", false, "\\", "\\a\\b\\", true, {"", "a", "a/b"}},
        {"existing target", true, "\\", "", false, {""}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        // Below a name of the test's own: the share may outlive the test.
        const std::string top = "launcher-fsutil-" + std::to_string(std::random_device()());
        if (c.topExists) {
            std::filesystem::create_directory(share.Native(top));
        }
        const std::string path = share.Root() + c.separator + top + c.below;
        EXPECT_EQ(CreateDirectoryTree(path), c.created) << path;
        for (const std::string& directory : c.existAfter) {
            EXPECT_TRUE(std::filesystem::is_directory(share.Native(top + "/" + directory)))
                << directory;
        }
        std::error_code ignored;
        std::filesystem::remove_all(share.Native(top), ignored);
    }
    // The share itself exists: nothing to create.
    EXPECT_FALSE(CreateDirectoryTree(share.Root()));
    EXPECT_FALSE(CreateDirectoryTree(share.Root() + "\\"));
}

using CreateDirectoryTreeShiftJis = ShiftJisTest;

TEST_F(CreateDirectoryTreeShiftJis, ATrailByteOf92IsNoTrailingSeparator) {
    const ScratchFolder scratch;
    EXPECT_TRUE(CreateDirectoryTree(scratch.At(SJIS_HYOU)));
    EXPECT_TRUE(PlatformSeesDirectory(scratch.At(SJIS_HYOU)));

    EXPECT_TRUE(CreateDirectoryTree(scratch.At("x" SJIS_HYOU "\\" SJIS_HYOU "\\a")));
    EXPECT_TRUE(PlatformSeesDirectory(scratch.At("x" SJIS_HYOU)));
    EXPECT_TRUE(PlatformSeesDirectory(scratch.At("x" SJIS_HYOU "\\" SJIS_HYOU)));
    EXPECT_TRUE(PlatformSeesDirectory(scratch.At("x" SJIS_HYOU "\\" SJIS_HYOU "\\a")));
}

TEST(PathExists, AnyMatchCounts) {
    const ScratchFolder scratch;
    scratch.AddFile("file.txt");
    scratch.AddDirectory("dir");
    struct Case {
        const char* path;
        bool exists;
    };
    const Case cases[] = {
        {"file.txt", true},
        {"dir", true},
        {"*.txt", true},
        {"d?r", true},
        {"*.none", false},
        {"missing", false},
        {"nodir\\file.txt", false},
        {"file.txt\\x", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        EXPECT_EQ(PathExists(scratch.At(c.path)), c.exists);
    }
}

TEST(PathExists, AMissingPathLeavesTheSearchCode) {
    const ScratchFolder scratch;
    SetLastError(0);
    EXPECT_FALSE(PathExists(scratch.At("missing.txt")));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_FILE_NOT_FOUND));
}

TEST(MakeDirectory, CreatesOneLevelOnly) {
    const ScratchFolder scratch;
    EXPECT_TRUE(MakeDirectory(scratch.At("one")));
    EXPECT_FALSE(MakeDirectory(scratch.At("one")));
    EXPECT_FALSE(MakeDirectory(scratch.At("two\\three")));
    EXPECT_TRUE(scratch.HasDirectory("one"));
    EXPECT_FALSE(std::filesystem::exists(scratch.Native("two")));
}

}  // namespace
