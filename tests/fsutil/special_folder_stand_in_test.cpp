// Every way the documents-folder lookup can go, against a stand-in shell-folder library copied
// in beside this program as shfolder.dll, where the loader looks before the system folder.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "fsutil/special_folder.h"
#include "platform/win32.h"

namespace {

std::filesystem::path ProgramFolder() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, sizeof path);
    return std::filesystem::path(path).parent_path();
}

std::string EnvironmentValue(const char* variable) {
    char value[1024] = {};
    GetEnvironmentVariableA(variable, value, sizeof value);
    return value;
}

struct StandInCase {
    const char* name;
    const char* library;  // copied in as shfolder.dll
    bool refuseLoad;
    bool failLookups;
    bool retry;
    bool found;
    const char* folder;  // the buffer afterwards
    const char* calls;   // the lookups the stand-in saw, "folder,flags;" each
};

void PrintTo(const StandInCase& c, std::ostream* os) {
    *os << c.name;
}

class SpecialFolderStandInTest : public ::testing::TestWithParam<StandInCase> {
  protected:
    void SetUp() override {
        std::filesystem::copy_file(ProgramFolder() / GetParam().library, ShellFolderLibrary(),
                                   std::filesystem::copy_options::overwrite_existing);
        SetEnvironmentVariableA("STAND_IN_SHFOLDER_CALLS", nullptr);
        SetEnvironmentVariableA("STAND_IN_SHFOLDER_REFUSE_LOAD",
                                GetParam().refuseLoad ? "1" : nullptr);
        SetEnvironmentVariableA("STAND_IN_SHFOLDER_FAIL", GetParam().failLookups ? "1" : nullptr);
    }
    void TearDown() override {
        SetDllDirectoryA(nullptr);
        SetEnvironmentVariableA("STAND_IN_SHFOLDER_REFUSE_LOAD", nullptr);
        SetEnvironmentVariableA("STAND_IN_SHFOLDER_FAIL", nullptr);
        std::error_code ignored;
        std::filesystem::remove(ShellFolderLibrary(), ignored);
    }
    static std::filesystem::path ShellFolderLibrary() { return ProgramFolder() / "shfolder.dll"; }
};

TEST_P(SpecialFolderStandInTest, FreesTheLibraryAndResetsTheDllDirectory) {
    const StandInCase& c = GetParam();
    ASSERT_EQ(GetModuleHandleA("shfolder.dll"), nullptr);
    ASSERT_TRUE(SetDllDirectoryA("C:\\plugins"));

    char buffer[MAX_PATH] = "stale";
    EXPECT_EQ(GetSpecialFolderPath(buffer, CSIDL_PERSONAL, c.retry), c.found);
    EXPECT_STREQ(buffer, c.folder);
    EXPECT_EQ(EnvironmentValue("STAND_IN_SHFOLDER_CALLS"), c.calls);

    EXPECT_EQ(GetModuleHandleA("shfolder.dll"), nullptr);
    char directory[MAX_PATH] = "untouched";
    EXPECT_EQ(GetDllDirectoryA(sizeof directory, directory), 0u);
    EXPECT_STREQ(directory, "");
}

constexpr char kStandIn[] = "stand_in_shfolder.dll";

// 32773 is the documents folder (5) with the create flag (0x8000); flags 1 ask for the
// default path, 0 for the current one.
INSTANTIATE_TEST_SUITE_P(
    Paths, SpecialFolderStandInTest,
    ::testing::Values(
        StandInCase{"LibraryDoesNotLoad", kStandIn, true, false, true, false, "", ""},
        StandInCase{"LookupMissing", "no_lookup_shfolder.dll", false, false, true, false, "", ""},
        StandInCase{"LookupFails", kStandIn, false, true, false, false, "", "5,0;"},
        StandInCase{"LookupAndRetryFail", kStandIn, false, true, true, false, "", "5,0;32773,1;"},
        StandInCase{"LookupSucceeds", kStandIn, false, false, true, true, "C:\\Stand-in\\Documents",
                    "5,0;"}),
    [](const ::testing::TestParamInfo<StandInCase>& info) { return info.param.name; });

}  // namespace
