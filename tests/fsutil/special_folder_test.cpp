#include "fsutil/special_folder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "fsutil/directory_tree.h"
#include "fsutil/file_find.h"
#include "scoped_environment.h"
#include "tests/fsutil/scratch_folder.h"

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

TEST_F(SpecialFolderTest, TheBufferStartsEmptyAndANullBufferIsRefused) {
    char buffer[MAX_PATH] = "stale";
    GetSpecialFolderPath(buffer, 0x7E, false);
    EXPECT_NE(std::string(buffer), "stale");
    EXPECT_FALSE(GetSpecialFolderPath(nullptr, CSIDL_PERSONAL, true));
}

}  // namespace
