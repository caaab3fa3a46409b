// The launcher names its log configuration, log folder and log file after its own file name
// without the last extension only: dots before it stay in the name.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "launcher_process_fixture.h"
#include "file_bytes.h"
#include "dated_run.h"
#include "log_configuration_text.h"
#include "native_path_text.h"
#include "scratch_documents_folder.h"

namespace {

struct BaseNameCase {
    const char* name;
    const char* program;
    const char* baseName;
    const char* wrongBaseName;  // what cutting at the other dot would give
};

void PrintTo(const BaseNameCase& c, std::ostream* os) {
    *os << c.program;
}

class LauncherBaseNameTest : public LauncherProcessTest,
                             public ::testing::WithParamInterface<BaseNameCase> {};

TEST_P(LauncherBaseNameTest, LogFilesAreNamedAfterTheNameWithoutItsLastExtension) {
    namespace fs = std::filesystem;
    const BaseNameCase& c = GetParam();
    const ScratchDocumentsFolder scratch;
    const fs::path logRoot = scratch.Documents() / "Norvale" / "SystemLog";

    const LauncherCopy launcher(LauncherCopy::Component::kBeside, c.program);
    const DatedRun run = RunChildDated(launcher.Program());
    ASSERT_EQ(run.result.exitStatus, 0) << run.result.errorOutput;

    const std::string base = c.baseName;
    // Taken on either side of midnight, the run's day is one of the two readings.
    const auto lineFive = [&](const std::string& day) {
        const fs::path logFile = logRoot / base / (base + ".1.0.0Log_" + day + ".txt");
        return "log4j.appender.nAppender.File = " +
               DoubledBackslashes(NativePathText(fs::path(logFile).make_preferred())) + "\r\n";
    };
    EXPECT_THAT(ReadFileBytes(logRoot / (base + ".ini")),
                testing::AnyOf(testing::HasSubstr(lineFive(run.dayBefore)),
                               testing::HasSubstr(lineFive(run.dayAfter))));
    EXPECT_TRUE(fs::is_directory(logRoot / base));
    EXPECT_FALSE(fs::exists(logRoot / (std::string(c.wrongBaseName) + ".ini")));
}

// Host programs carry no ".exe": there a program named my.tool is "my", as on Windows.
INSTANTIATE_TEST_SUITE_P(
    Names, LauncherBaseNameTest,
    ::testing::Values(BaseNameCase{"DotInTheName", "my.tool.exe", "my.tool", "my"},
                      BaseNameCase{"NoExeSuffix", "my.tool", "my", "my.tool"}),
    [](const ::testing::TestParamInfo<BaseNameCase>& info) { return info.param.name; });

}  // namespace
