#include "logging/replace_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>
#include <vector>

#include "logging/log_configuration.h"
#include "platform/library_path.h"
#include "file_bytes.h"
#include "log_configuration_text.h"
#include "temp_dir.h"

namespace {

namespace fs = std::filesystem;

enum class Before { kNoFile, kOlderLongerFile, kFolderInTheWay, kNoFolder, kDiskFull };

struct ReplaceCase {
    const char* name;
    Before before;
    bool replaced;
};

void PrintTo(const ReplaceCase& c, std::ostream* os) {
    *os << c.name;
}

// A device that takes no byte: writes to it fail when the stream flushes.
constexpr char kFullDevice[] = "/dev/full";

std::vector<std::string> NamesIn(const fs::path& folder) {
    std::vector<std::string> names;
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(folder, error)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

class ReplaceFileTest : public ::testing::TestWithParam<ReplaceCase> {};

TEST_P(ReplaceFileTest, TheFileIsReplacedWholeOrLeftAndNoTemporaryFileStays) {
    const ReplaceCase& c = GetParam();
    const TempDir temp;
    const std::string folder = temp.Path() + "\\SystemLog";
    const std::string file = folder + "\\app.ini";
    const std::string temporaryFile = ComposeTemporaryConfigurationFile(file, 4242);
    const fs::path onDisk = ToLibraryPath(file);
    const std::string older(4096, '~');
    if (c.before != Before::kNoFolder) {
        fs::create_directory(ToLibraryPath(folder));
    }
    switch (c.before) {
        case Before::kOlderLongerFile:
        case Before::kDiskFull:
            std::ofstream(onDisk, std::ios::binary) << older;
            break;
        case Before::kFolderInTheWay:
            fs::create_directory(onDisk);
            break;
        case Before::kNoFile:
        case Before::kNoFolder:
            break;
    }
    if (c.before == Before::kDiskFull) {
        if (!fs::exists(kFullDevice)) {
            GTEST_SKIP() << "no " << kFullDevice << " on this system to make a write fail";
        }
        fs::create_symlink(kFullDevice, ToLibraryPath(temporaryFile));
    }
    const std::vector<std::string> namesBefore = NamesIn(ToLibraryPath(folder));

    const std::string value =
        "C:\\\\Docs\\\\Norvale\\\\SystemLog\\\\app\\\\app.1.0.0Log_20220825.txt";
    const bool replaced = ReplaceFileWithText(file, temporaryFile, ComposeConfigurationText(value));

    EXPECT_EQ(replaced, c.replaced);
    if (c.replaced) {
        EXPECT_EQ(ReadFileBytes(onDisk), SevenLines(value));
        EXPECT_EQ(NamesIn(ToLibraryPath(folder)), std::vector<std::string>{"app.ini"});
    } else {
        EXPECT_EQ(NamesIn(ToLibraryPath(folder)),
                  c.before == Before::kDiskFull ? std::vector<std::string>{"app.ini"} : namesBefore)
            << "only the temporary file may have gone";
    }
    if (c.before == Before::kOlderLongerFile && !c.replaced) {
        EXPECT_EQ(ReadFileBytes(onDisk), older);
    }
    if (c.before == Before::kDiskFull) {
        EXPECT_EQ(ReadFileBytes(onDisk), older) << "a failed write leaves the old file whole";
    }
    if (c.before == Before::kFolderInTheWay) {
        EXPECT_TRUE(fs::is_directory(onDisk));
    }
    EXPECT_FALSE(fs::exists(fs::symlink_status(ToLibraryPath(temporaryFile))));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ReplaceFileTest,
    ::testing::Values(ReplaceCase{"NoFileYet", Before::kNoFile, true},
                      ReplaceCase{"OlderLongerFile", Before::kOlderLongerFile, true},
                      ReplaceCase{"FolderInTheWay", Before::kFolderInTheWay, false},
                      ReplaceCase{"FolderMissing", Before::kNoFolder, false},
                      ReplaceCase{"WriteFails", Before::kDiskFull, false}),
    [](const ::testing::TestParamInfo<ReplaceCase>& info) { return info.param.name; });

}  // namespace
