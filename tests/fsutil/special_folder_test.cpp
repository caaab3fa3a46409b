#include "fsutil/special_folder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "fsutil/directory_tree.h"
#include "fsutil/file_find.h"
#include "scoped_environment.h"
#include "scratch_folder.h"

namespace {

bool IsDirectory(const char* path) {
    IFileFind finder;
    if (!finder.BeginSearch(path)) {
        return false;
    }
    finder.AdvanceEntry();
    return finder.TestAttributes(FILE_ATTRIBUTE_DIRECTORY);
}

// Every lookup here runs with the home and documents folders in scratch space, so that no
// test creates folders in a real home. Windows takes its folders from the shell instead.
class SpecialFolderTest : public ::testing::Test {
  protected:
    std::filesystem::path HomeDocuments() const { return scratch_.Native("home/Documents"); }
    std::filesystem::path XdgDocuments() const { return scratch_.Native("xdg docs"); }
    // Only the host follows HOME and the XDG settings; its native paths start at '/'.
    bool OnHost() const { return scratch_.Path()[0] == '/'; }

    ScratchFolder scratch_;
    ScopedEnvironment home_{"HOME", scratch_.Native("home").string()};
    ScopedEnvironment xdgDocuments_{"XDG_DOCUMENTS_DIR", XdgDocuments().string()};
    ScopedEnvironment xdgConfig_{"XDG_CONFIG_HOME", scratch_.Native("config").string()};
};

TEST_F(SpecialFolderTest, TheDocumentsFolderExists) {
    char buffer[MAX_PATH] = {};
    ASSERT_TRUE(GetDocumentsFolderPath(buffer));
    EXPECT_STRNE(buffer, "");
    EXPECT_TRUE(PathExists(buffer));
    EXPECT_TRUE(IsDirectory(buffer));
}

TEST_F(SpecialFolderTest, HostDocumentsFolderFollowsXdgAndIsCreated) {
    char buffer[MAX_PATH] = {};
    const bool found = GetDocumentsFolderPath(buffer);
    if (!OnHost()) {
        GTEST_SKIP() << "the shell chooses the folder on Windows";
    }
    ASSERT_TRUE(found);
    EXPECT_TRUE(std::filesystem::is_directory(XdgDocuments()));
    EXPECT_EQ(std::string(buffer), WindowsShaped(XdgDocuments().string()));
}

TEST_F(SpecialFolderTest, HostDocumentsFolderFallsBackToHome) {
    const ScopedEnvironment noXdg("XDG_DOCUMENTS_DIR", std::nullopt);
    char buffer[MAX_PATH] = {};
    const bool found = GetDocumentsFolderPath(buffer);
    if (!OnHost()) {
        GTEST_SKIP() << "the shell chooses the folder on Windows";
    }
    ASSERT_TRUE(found);
    EXPECT_TRUE(std::filesystem::is_directory(HomeDocuments()));
    EXPECT_EQ(std::string(buffer), WindowsShaped(HomeDocuments().string()));
}

TEST_F(SpecialFolderTest, UnknownFoldersAreNotFound) {
    struct Case {
        int folder;
        bool retry;
    };
    // 0x7E is no shell folder id.
    const Case cases[] = {{0x7E, false}, {0x7E, true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.retry);
        char buffer[MAX_PATH] = "stale";
        EXPECT_FALSE(GetSpecialFolderPath(buffer, c.folder, c.retry));
    }
}

struct ReleaseCase {
    const char* name;
    int folder;
    bool retry;
    bool found;
};

// Found or not, a lookup leaves the shell-folder library unloaded and the current directory
// out of the library search order, whatever directory was set before.
TEST_F(SpecialFolderTest, EveryLookupFreesTheLibraryAndResetsTheDllDirectory) {
    const ReleaseCase cases[] = {
        {"documents", CSIDL_PERSONAL, true, true},
        {"unknown folder", 0x7E, false, false},
        {"unknown folder, retried", 0x7E, true, false},
    };
    for (const ReleaseCase& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_EQ(GetModuleHandleA("shfolder.dll"), nullptr);
        ASSERT_TRUE(SetDllDirectoryA("C:\\plugins"));

        char buffer[MAX_PATH] = {};
        EXPECT_EQ(GetSpecialFolderPath(buffer, c.folder, c.retry), c.found);

        EXPECT_EQ(GetModuleHandleA("shfolder.dll"), nullptr);
        char directory[MAX_PATH] = "untouched";
        EXPECT_EQ(GetDllDirectoryA(sizeof directory, directory), 0u);
        EXPECT_STREQ(directory, "");
    }
    SetDllDirectoryA(nullptr);
}

TEST_F(SpecialFolderTest, TheBufferStartsEmptyAndANullBufferIsRefused) {
    char buffer[MAX_PATH] = "stale";
    GetSpecialFolderPath(buffer, 0x7E, false);
    EXPECT_NE(std::string(buffer), "stale");
    EXPECT_FALSE(GetSpecialFolderPath(nullptr, CSIDL_PERSONAL, true));
}

}  // namespace
