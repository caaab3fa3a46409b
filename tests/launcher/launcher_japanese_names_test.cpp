// Japanese documents folders and program names, as a user's machine has them: the log file and
// the folders are made exactly where the names call for, and the demo object's record lands
// there. log4cxx reads its properties as Latin-1, so such a path reaches it through the
// launcher's environment variable; a printable ASCII one is still written into line 5 itself.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "dated_run.h"
#include "file_bytes.h"
#include "launcher_copy.h"
#include "log_configuration_text.h"
#include "scoped_environment.h"
#include "scratch_documents_folder.h"

namespace {

namespace fs = std::filesystem;

struct NameCase {
    const char* name;
    const char* user;     // UTF-8: the folder above Documents
    const char* program;  // UTF-8
    const char* baseName;
    bool throughEnvironment;
};

void PrintTo(const NameCase& c, std::ostream* os) {
    *os << c.name;
}

// Every file and folder below root, relative, '/'-separated, in UTF-8: on Windows the names
// as the file system holds them in UTF-16, converted; on the host their bytes.
std::vector<std::string> EverythingUnder(const fs::path& root) {
    std::vector<std::string> entries;
    for (const auto& entry : fs::recursive_directory_iterator(root)) {
        entries.push_back(entry.path().lexically_relative(root).generic_u8string());
    }
    std::sort(entries.begin(), entries.end());
    return entries;
}

class LauncherJapaneseNamesTest : public ::testing::TestWithParam<NameCase> {};

TEST_P(LauncherJapaneseNamesTest, RecordLandsExactlyWhereTheNamesCallFor) {
    const NameCase& c = GetParam();
    const ScratchDocumentsFolder scratch(c.user);
    const fs::path& root = scratch.Root();
    const fs::path& documents = scratch.Documents();
    const ScopedEnvironment noRecord("APPRUN_DEMO_RECORD", std::nullopt);
    const LauncherCopy launcher(LauncherCopy::Component::kBeside, c.program);

    const DatedRun run = RunChildDated(launcher.Program());
    ASSERT_EQ(run.result.exitStatus, 0) << run.result.errorOutput;

    // The run may cross midnight: its day is one of the two readings.
    const std::string base = c.baseName;
    const fs::path logDirectory = documents / "Norvale" / "SystemLog" / fs::u8path(base);
    std::string day = run.dayBefore;
    if (!fs::exists(logDirectory / fs::u8path(base + ".1.0.0Log_" + day + ".txt"))) {
        day = run.dayAfter;
    }
    const std::string logName = base + ".1.0.0Log_" + day + ".txt";
    const fs::path logFile = logDirectory / fs::u8path(logName);

    const std::string user = c.user;
    std::vector<std::string> expected = {
        user,
        user + "/Documents",
        user + "/Documents/Norvale",
        user + "/Documents/Norvale/SystemLog",
        user + "/Documents/Norvale/SystemLog/" + base,
        user + "/Documents/Norvale/SystemLog/" + base + ".ini",
        user + "/Documents/Norvale/SystemLog/" + base + "/" + logName,
    };
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(EverythingUnder(root), expected) << "no other folder or file is made";

    const std::string log = ReadFileBytes(logFile);
    EXPECT_NE(log.find(" - AppRun started: show command 10"), std::string::npos) << log;

    // As the platform names the file: backslashes on Windows, doubled; '/' on the host.
    const std::string logFileValue =
        c.throughEnvironment ? "${NVLINK_LAUNCHER_LOG_FILE}"
                             : DoubledBackslashes(fs::path(logFile).make_preferred().string());
    EXPECT_EQ(ReadFileBytes(documents / "Norvale" / "SystemLog" / fs::u8path(base + ".ini")),
              SevenLines(logFileValue));
}

// The program's copy keeps ".exe" on the host too: the base name is the same on both builds.
INSTANTIATE_TEST_SUITE_P(
    Names, LauncherJapaneseNamesTest,
    ::testing::Values(NameCase{"AsciiFolder", "Yamada", "app.exe", "app", false},
                      NameCase{"YamadaFolder", "山田", "app.exe", "app", true},
                      // 表 in Shift-JIS is 0x95 0x5C: its second byte is a backslash.
                      NameCase{"TrailByteBackslashFolder", "表山田", "app.exe", "app", true},
                      NameCase{"JapaneseProgram", "Yamada", "会計連携.exe", "会計連携", true}),
    [](const ::testing::TestParamInfo<NameCase>& info) { return info.param.name; });

}  // namespace
