// With the logging library linked, the application object's record lands in the log file
// that the launcher's generated configuration names.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <string>

#include "launcher_process_fixture.h"
#include "file_bytes.h"
#include "local_date.h"

namespace {

std::string TodaysLogFile() {
    const std::string name = LAUNCHER_BASE_NAME;
    return name + "\\" + name + ".1.0.0Log_" + LocalDateAsEightDigits() + ".txt";
}

std::size_t CountOf(const std::string& text, const std::string& part) {
    std::size_t count = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) {
        ++count;
    }
    return count;
}

TEST_F(LauncherProcessTest, ObjectsRecordLandsInTheConfiguredLogFile) {
    const LauncherCopy launcher(LauncherCopy::Component::kBeside);
    const ChildResult run = RunChild(launcher.Program(), {});
    ASSERT_EQ(run.exitStatus, 0) << run.errorOutput;
    const std::string logFile = ToLibraryPath(LogRoot() + "\\" + TodaysLogFile());
    const std::string log = ReadFileBytes(logFile);
    EXPECT_NE(log.find("[ INFO] "), std::string::npos) << logFile << ":\n" << log;
    EXPECT_NE(log.find(" - AppRun started: show command 10"), std::string::npos) << logFile << ":\n"
                                                                                 << log;
}

// The day's file is the log of every start that day: a second start adds to it.
TEST_F(LauncherProcessTest, SecondStartAppendsToTheSameDaysFile) {
    const LauncherCopy launcher(LauncherCopy::Component::kBeside);
    const std::string logFile = ToLibraryPath(LogRoot() + "\\" + TodaysLogFile());
    std::remove(logFile.c_str());
    const std::string marker = " - AppRun started: show command 10";

    ASSERT_EQ(RunChild(launcher.Program(), {}).exitStatus, 0);
    const std::string first = ReadFileBytes(logFile);
    ASSERT_EQ(CountOf(first, marker), 1u) << first;
    ASSERT_EQ(RunChild(launcher.Program(), {}).exitStatus, 0);
    const std::string both = ReadFileBytes(logFile);

    EXPECT_EQ(both.substr(0, first.size()), first) << "the first start's record is kept";
    EXPECT_EQ(CountOf(both, marker), 2u) << both;
}

}  // namespace
