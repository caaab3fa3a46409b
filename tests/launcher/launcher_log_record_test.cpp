// With the logging library linked, the application object's record lands in the log file
// that the launcher's generated configuration names.
#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "calendar/calendar_date.h"
#include "calendar/format_calendar_date.h"
#include "launcher_process_fixture.h"
#include "file_bytes.h"

namespace {

std::string TodaysLogFile() {
    CalendarDate today(0);
    today.SetToday();
    std::string date;
    FormatCalendarDate(today, kFormatYearMonthDay, date);
    const std::string name = LAUNCHER_BASE_NAME;
    return name + "\\" + name + ".1.0.0Log_" + date + ".txt";
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

}  // namespace
