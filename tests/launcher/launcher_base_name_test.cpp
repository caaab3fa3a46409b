// The launcher names its log configuration, log folder and log file after its own file name
// without the last extension only: dots before it stay in the name.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "calendar/calendar_date.h"
#include "calendar/format_calendar_date.h"
#include "launcher_process_fixture.h"
#include "file_bytes.h"

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

std::string TodayAsEightDigits() {
    CalendarDate today(0);
    today.SetToday();
    std::string date;
    FormatCalendarDate(today, kFormatYearMonthDay, date);
    return date;
}

// The test paths are ASCII, so every backslash byte is a separator.
std::string DoubledBackslashes(const std::string& path) {
    std::string doubled;
    for (const char c : path) {
        doubled += c;
        if (c == '\\') {
            doubled += c;
        }
    }
    return doubled;
}

class LauncherBaseNameTest : public LauncherProcessTest,
                             public ::testing::WithParamInterface<BaseNameCase> {};

TEST_P(LauncherBaseNameTest, LogFilesAreNamedAfterTheNameWithoutItsLastExtension) {
    const BaseNameCase& c = GetParam();
    const std::string base = LogRoot() + "\\" + c.baseName;
    const std::string wrongConfiguration = LogRoot() + "\\" + c.wrongBaseName + ".ini";
    // Wine's documents folder outlives a test, and the other case writes the wrong name.
    std::remove(ToLibraryPath(base + ".ini").c_str());
    std::remove(ToLibraryPath(wrongConfiguration).c_str());
    std::filesystem::remove_all(ToLibraryPath(base));

    const LauncherCopy launcher(LauncherCopy::Component::kBeside, c.program);
    const ChildResult run = RunChild(launcher.Program(), {});
    ASSERT_EQ(run.exitStatus, 0) << run.errorOutput;

    const std::string configuration = ReadFileBytes(ToLibraryPath(base + ".ini"));
    const std::string logFile =
        base + "\\" + c.baseName + ".1.0.0Log_" + TodayAsEightDigits() + ".txt";
    EXPECT_NE(configuration.find("log4j.appender.nAppender.File = " +
                                 DoubledBackslashes(ToLibraryPath(logFile)) + "\r\n"),
              std::string::npos)
        << configuration;
    EXPECT_TRUE(std::filesystem::is_directory(ToLibraryPath(base)));
    EXPECT_FALSE(std::filesystem::exists(ToLibraryPath(wrongConfiguration)));
}

// Host programs carry no ".exe": there a program named my.tool is "my", as on Windows.
INSTANTIATE_TEST_SUITE_P(
    Names, LauncherBaseNameTest,
    ::testing::Values(BaseNameCase{"DotInTheName", "my.tool.exe", "my.tool", "my"},
                      BaseNameCase{"NoExeSuffix", "my.tool", "my", "my.tool"}),
    [](const ::testing::TestParamInfo<BaseNameCase>& info) { return info.param.name; });

}  // namespace
