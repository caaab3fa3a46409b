// UNC names through the host layer: \\srv\share is the folder srv/share below the share
// folder that LAUNCHER_HOST_UNC_FOLDER names, as Wine reaches shares through dosdevices/unc.
#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>

#include "platform/host/shell_folder.h"
#include "platform/unique_handles.h"
#include "platform/win32.h"
#include "scoped_code_page.h"
#include "scoped_environment.h"
#include "temp_dir.h"

namespace {

class UncPaths : public testing::Test {
  protected:
    UncPaths() {
        std::filesystem::create_directories(share_ / "Norvale");
        environment_.Set("LAUNCHER_HOST_UNC_FOLDER", shares_.Path());
    }

    const ScopedCodePage shiftJis_{932};
    TempDir shares_;
    const std::filesystem::path share_ = std::filesystem::path(shares_.Path()) / "srv" / "share";
    ScopedEnvironment environment_;
};

struct FindCase {
    const char* pattern;
    std::string found;  // the entry's name; empty: the search fails with error
    DWORD error;
};

// Windows documents that a search cannot name the share itself, as it cannot name C:\, and
// gives ERROR_BAD_NET_NAME for it.
TEST_F(UncPaths, FindFirstFileFindsBelowAShareButNotItsRoot) {
    const FindCase cases[] = {
        {"\\\\srv\\share", "", ERROR_BAD_NET_NAME},
        {"//srv/share", "", ERROR_BAD_NET_NAME},
        {"\\\\srv\\share\\", "", ERROR_FILE_NOT_FOUND},
        {"\\\\srv\\share\\Norvale", "Norvale", 0},
        {"\\\\srv\\share\\N*", "Norvale", 0},
        {"\\\\srv\\share\\..\\Norvale", "Norvale", 0},  // ".." stops at the share root
        {"\\\\srv\\share\\missing", "", ERROR_FILE_NOT_FOUND},
        {"\\\\srv\\share\\missing\\x", "", ERROR_PATH_NOT_FOUND},
        {"\\\\srv\\other\\x", "", ERROR_BAD_NET_NAME},
        {"\\\\elsewhere\\share\\x", "", ERROR_BAD_NETPATH},
        {"\\\\srv", "", ERROR_BAD_NETPATH},
    };
    for (const FindCase& c : cases) {
        SCOPED_TRACE(c.pattern);
        WIN32_FIND_DATAA data{};
        SetLastError(0);
        const UniqueFindHandle search(FindFirstFileA(c.pattern, &data));
        if (c.found.empty()) {
            EXPECT_EQ(search.get(), INVALID_HANDLE_VALUE);
            EXPECT_EQ(GetLastError(), c.error);
        } else {
            ASSERT_NE(search.get(), INVALID_HANDLE_VALUE) << GetLastError();
            EXPECT_EQ(std::string(data.cFileName), c.found);
            EXPECT_NE(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY, 0u);
        }
    }
}

struct CreateCase {
    const char* path;
    BOOL created;
    DWORD error;
    const char* madeBelowShare;  // the folder that must exist after it; none when null
};

TEST_F(UncPaths, CreateDirectoryMakesFoldersBelowAShare) {
    const CreateCase cases[] = {
        {"\\\\srv\\share\\new", TRUE, 0, "new"},
        {"\\\\srv\\share\\Norvale\\SystemLog\\", TRUE, 0, "Norvale/SystemLog"},
        {"\\\\srv\\share\\Norvale", FALSE, ERROR_ALREADY_EXISTS, "Norvale"},
        // As a drive root, and as Wine has it.
        {"\\\\srv\\share", FALSE, ERROR_ALREADY_EXISTS, nullptr},
        {"\\\\srv\\share\\", FALSE, ERROR_ALREADY_EXISTS, nullptr},
        {"\\\\srv\\share\\missing\\new", FALSE, ERROR_PATH_NOT_FOUND, nullptr},
        {"\\\\srv\\other\\new", FALSE, ERROR_BAD_NET_NAME, nullptr},
        {"\\\\elsewhere\\share\\new", FALSE, ERROR_BAD_NETPATH, nullptr},
    };
    for (const CreateCase& c : cases) {
        SCOPED_TRACE(c.path);
        SetLastError(0);
        EXPECT_EQ(CreateDirectoryA(c.path, nullptr), c.created);
        if (!c.created) {
            EXPECT_EQ(GetLastError(), c.error);
        }
        if (c.madeBelowShare != nullptr) {
            EXPECT_TRUE(std::filesystem::is_directory(share_ / c.madeBelowShare));
        }
    }
    EXPECT_FALSE(std::filesystem::exists(std::filesystem::path(shares_.Path()) / "srv" / "new"));
}

// Without a share folder no share can be reached, nor does a UNC name fall through to a
// folder of the host's root.
TEST(UncPathsUnset, ReachNoShare) {
    const ScopedEnvironment unset("LAUNCHER_HOST_UNC_FOLDER", std::nullopt);
    WIN32_FIND_DATAA data{};
    SetLastError(0);
    const UniqueFindHandle search(FindFirstFileA("\\\\tmp\\.", &data));
    EXPECT_EQ(search.get(), INVALID_HANDLE_VALUE);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_BAD_NETPATH));
    SetLastError(0);
    EXPECT_FALSE(CreateDirectoryA("\\\\tmp\\launcher-unc-unset", nullptr));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_BAD_NETPATH));
    EXPECT_FALSE(std::filesystem::exists("/tmp/launcher-unc-unset"));
}

// A documents folder on a share is handed out under the share's name.
TEST_F(UncPaths, TheDocumentsFolderOnAShareIsNamedByTheShare) {
    const std::string home = shares_.Path() + "/home";
    const std::string cases[][2] = {
        {share_.string(), "\\\\srv\\share"},
        {(share_ / "Norvale").string(), "\\\\srv\\share\\Norvale"},
        {shares_.Path() + "/srv", "Z:" + shares_.Path() + "\\srv"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c[0]);
        ScopedEnvironment documents("XDG_DOCUMENTS_DIR", c[0]);
        documents.Set("HOME", home);
        char path[MAX_PATH] = {};
        EXPECT_EQ(
            BuiltinShGetFolderPathA(nullptr, CSIDL_PERSONAL, nullptr, SHGFP_TYPE_CURRENT, path),
            S_OK);
        std::string expected = c[1];
        for (char& byte : expected) {
            byte = byte == '/' ? '\\' : byte;
        }
        EXPECT_EQ(std::string(path), expected);
    }
}

}  // namespace
