#include <sys/stat.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "platform/unique_handles.h"
#include "platform/win32.h"
#include "scoped_code_page.h"
#include "scoped_environment.h"
#include "temp_dir.h"
#include "windows_shaped.h"

namespace {

using ShGetFolderPath = HRESULT(WINAPI*)(HWND, int, HANDLE, DWORD, LPSTR);

// The documents folder lookup as callers reach it: through the loaded library, with HOME
// and the XDG settings pointed into a scratch folder.
class DocumentsFolder : public testing::Test {
  protected:
    DocumentsFolder() {
        environment_.Set("HOME", home_.c_str());
        environment_.Set("XDG_DOCUMENTS_DIR", nullptr);
        environment_.Set("XDG_CONFIG_HOME", nullptr);
    }

    void SetUp() override {
        ASSERT_NE(library_, nullptr);
        lookup_ =
            reinterpret_cast<ShGetFolderPath>(GetProcAddress(library_.get(), "SHGetFolderPathA"));
        ASSERT_NE(lookup_, nullptr);
    }

    HRESULT Lookup(int folder, std::string* path) {
        char buffer[MAX_PATH];
        std::memset(buffer, 'X', sizeof buffer);
        const HRESULT result = lookup_(nullptr, folder, nullptr, SHGFP_TYPE_CURRENT, buffer);
        *path = std::string(buffer, strnlen(buffer, sizeof buffer));
        return result;
    }

    void WriteUserDirs(const std::string& configHome, const std::string& content) {
        std::filesystem::create_directories(configHome);
        std::ofstream(configHome + "/user-dirs.dirs") << content;
    }

    const ScopedCodePage shiftJis_{932};
    TempDir temp_;
    const std::string home_ = temp_.Path() + "/home";
    ScopedEnvironment environment_;
    const UniqueLibrary library_{LoadLibraryA("shfolder.dll")};
    ShGetFolderPath lookup_ = nullptr;
};

TEST_F(DocumentsFolder, DefaultsToDocumentsInTheHomeFolder) {
    std::string path;
    EXPECT_EQ(Lookup(CSIDL_PERSONAL | CSIDL_FLAG_CREATE, &path), S_OK);
    EXPECT_EQ(path, WindowsShaped(home_ + "/Documents"));
    EXPECT_TRUE(std::filesystem::is_directory(home_ + "/Documents"));
}

TEST_F(DocumentsFolder, AMissingFolderIsMadeOnlyWhenAskedFor) {
    std::string path;
    EXPECT_EQ(Lookup(CSIDL_PERSONAL, &path), S_FALSE);
    EXPECT_EQ(path, "");
    EXPECT_FALSE(std::filesystem::exists(home_));

    EXPECT_EQ(Lookup(CSIDL_PERSONAL | CSIDL_FLAG_CREATE, &path), S_OK);
    EXPECT_EQ(path, WindowsShaped(home_ + "/Documents"));

    EXPECT_EQ(Lookup(CSIDL_PERSONAL, &path), S_OK);
    EXPECT_EQ(path, WindowsShaped(home_ + "/Documents"));
    // Flag bits other than CSIDL_FLAG_CREATE leave the folder id as it is.
    EXPECT_EQ(Lookup(CSIDL_PERSONAL | 0x4000, &path), S_OK);
    EXPECT_EQ(path, WindowsShaped(home_ + "/Documents"));
}

struct SettingCase {
    const char* name;
    const char* documentsVariable;  // XDG_DOCUMENTS_DIR, null for unset
    bool ownConfigHome;             // XDG_CONFIG_HOME set, else ~/.config
    const char* userDirs;           // content of user-dirs.dirs, null for no file
    std::string expected;           // ANSI; "~" stands for HOME
};

class DocumentsFolderSetting : public DocumentsFolder,
                               public testing::WithParamInterface<SettingCase> {};

TEST_P(DocumentsFolderSetting, IsTakenFromTheFirstPlaceThatNamesIt) {
    const SettingCase& setting = GetParam();
    std::string configHome = home_ + "/.config";
    if (setting.ownConfigHome) {
        configHome = temp_.Path() + "/config";
        environment_.Set("XDG_CONFIG_HOME", configHome.c_str());
    }
    if (setting.userDirs != nullptr) {
        WriteUserDirs(configHome, setting.userDirs);
    }
    std::string documentsVariable;
    if (setting.documentsVariable != nullptr) {
        documentsVariable = setting.documentsVariable;
        if (documentsVariable.compare(0, 1, "/") == 0) {
            documentsVariable = temp_.Path() + documentsVariable;
        }
        environment_.Set("XDG_DOCUMENTS_DIR", documentsVariable.c_str());
    }
    std::string expected = setting.expected;
    if (expected[0] == '~') {
        expected = home_ + expected.substr(1);
    } else {
        expected = temp_.Path() + expected;
    }

    std::string path;
    EXPECT_EQ(Lookup(CSIDL_PERSONAL | CSIDL_FLAG_CREATE, &path), S_OK);
    EXPECT_EQ(path, WindowsShaped(expected));
    EXPECT_TRUE(std::filesystem::is_directory(HostAnsiToUtf8(expected)));
}

INSTANTIATE_TEST_SUITE_P(
    Settings, DocumentsFolderSetting,
    testing::Values(
        SettingCase{"Variable", "/docs", false, "XDG_DOCUMENTS_DIR=\"$HOME/Other\"\n", "/docs"},
        SettingCase{"VariableWithHome", "$HOME/Papers", false, nullptr, "~/Papers"},
        SettingCase{"UserDirsFile", nullptr, false,
                    "# comment\nXDG_DESKTOP_DIR=\"$HOME/Desktop\"\n"
                    "XDG_DOCUMENTS_DIR=\"$HOME/\xE6\x96\x87\xE6\x9B\xB8\"\n",
                    "~/\x95\xB6\x8F\x91"},
        SettingCase{"UserDirsInConfigHome", nullptr, true, "XDG_DOCUMENTS_DIR=\"$HOME/Cfg\"\n",
                    "~/Cfg"},
        SettingCase{"LastLineWins", nullptr, false,
                    "XDG_DOCUMENTS_DIR=\"$HOME/First\"\nXDG_DOCUMENTS_DIR=\"$HOME/Second\"\n",
                    "~/Second"},
        SettingCase{"CommentedOut", nullptr, false, "#XDG_DOCUMENTS_DIR=\"$HOME/No\"\n",
                    "~/Documents"},
        SettingCase{"RelativeValueIgnored", nullptr, false, "XDG_DOCUMENTS_DIR=\"Docs\"\n",
                    "~/Documents"},
        SettingCase{"TrailingSlashDropped", nullptr, false, "XDG_DOCUMENTS_DIR=\"$HOME/T/\"\n",
                    "~/T"}),
    [](const testing::TestParamInfo<SettingCase>& info) { return info.param.name; });

TEST_F(DocumentsFolder, GivesThePathInTheAnsiCodePage) {
    environment_.Set("XDG_DOCUMENTS_DIR", (temp_.Path() + "/\xE8\xA1\xA8").c_str());
    std::string path;
    EXPECT_EQ(Lookup(CSIDL_PERSONAL | CSIDL_FLAG_CREATE, &path), S_OK);
    EXPECT_EQ(path, WindowsShaped(temp_.Path() + "/\x95\x5C"));
}

TEST_F(DocumentsFolder, FailsForAPathLongerThanMaxPath) {
    const std::string deep =
        temp_.Path() + "/" + std::string(200, 'd') + "/" + std::string(60, 'e');
    environment_.Set("XDG_DOCUMENTS_DIR", deep.c_str());
    std::string path;
    EXPECT_TRUE(FAILED(Lookup(CSIDL_PERSONAL | CSIDL_FLAG_CREATE, &path)));
    EXPECT_EQ(path, "");
    EXPECT_FALSE(std::filesystem::exists(deep));
}

TEST_F(DocumentsFolder, FailsWhenAFileIsInTheWay) {
    std::filesystem::create_directories(home_);
    std::ofstream(home_ + "/Documents") << "not a folder";
    std::string path;
    EXPECT_EQ(Lookup(CSIDL_PERSONAL, &path), S_FALSE);
    EXPECT_TRUE(FAILED(Lookup(CSIDL_PERSONAL | CSIDL_FLAG_CREATE, &path)));
    EXPECT_EQ(path, "");
}

TEST_F(DocumentsFolder, KnowsNoOtherFolder) {
    std::string path;
    for (const int folder : {0x0000, 0x001A, 0x0025, 0x0028}) {
        EXPECT_EQ(Lookup(folder | CSIDL_FLAG_CREATE, &path), E_INVALIDARG) << folder;
    }
    EXPECT_EQ(lookup_(nullptr, CSIDL_PERSONAL, nullptr, SHGFP_TYPE_CURRENT, nullptr), E_INVALIDARG);
}

}  // namespace
