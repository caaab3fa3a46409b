// Starts at the same moment: each writes the launcher's configuration while others read it.
// Every start must still configure its appender (the demo component's exit code says so) and
// leave its record in the day's log, and nothing of the writing may stay behind in the log root.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "append_atomicity.h"
#include "components/run_record.h"
#include "launcher_process_fixture.h"
#include "file_bytes.h"
#include "local_date.h"

namespace {

constexpr int kRounds = 5;
constexpr int kStartsPerRound = 8;

// What log4cxx prints when a start read no appender from its configuration.
const char* const kComplaints[] = {"did not add an Appender", "No appender could be found"};

struct Start {
    std::string argument;
    ChildResult result;
    std::string failure;  // set when the process could not be started or waited for
};

std::string DaysLogFile(const std::string& logRoot, const std::string& day) {
    const std::string name = LAUNCHER_BASE_NAME;
    return ToLibraryPath(logRoot + "\\" + name + "\\" + name + ".1.0.0Log_" + day + ".txt");
}

std::size_t CountOf(const std::string& text, const std::string& part) {
    std::size_t count = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) {
        ++count;
    }
    return count;
}

std::vector<std::string> NamesIn(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

// A round's starts, all begun before any is waited for.
void RunTogether(const std::string& program, std::vector<Start>& starts) {
    std::vector<std::thread> threads;
    for (Start& start : starts) {
        threads.emplace_back([&program, &start] {
            try {
                start.result = RunChild(program, {start.argument});
            } catch (const std::exception& error) {
                start.failure = error.what();
            }
        });
    }
    for (std::thread& thread : threads) {
        thread.join();
    }
}

TEST_F(LauncherProcessTest, StartsAtTheSameMomentEachLogTheirRecord) {
    const ScopedEnvironment noRecord(kRecordFileVariable, std::nullopt);
    const ScopedEnvironment requireAppender(kRequireAppenderVariable, std::string("1"));
    const LauncherCopy launcher(LauncherCopy::Component::kBeside);
    std::filesystem::remove_all(ToLibraryPath(LogRoot()));

    const std::string dayBefore = LocalDateAsEightDigits();
    std::vector<Start> all;
    for (int round = 0; round < kRounds; ++round) {
        std::vector<Start> starts(kStartsPerRound);
        for (int index = 0; index < kStartsPerRound; ++index) {
            char argument[32] = {};
            std::snprintf(argument, sizeof argument, "start-%02d-%02d.", round, index);
            starts[index].argument = argument;
        }
        RunTogether(launcher.Program(), starts);
        all.insert(all.end(), starts.begin(), starts.end());
    }
    const std::string dayAfter = LocalDateAsEightDigits();

    // Starts on either side of midnight log to their own day's file.
    std::string log = ReadFileBytes(DaysLogFile(LogRoot(), dayBefore));
    if (dayAfter != dayBefore) {
        log += ReadFileBytes(DaysLogFile(LogRoot(), dayAfter));
    }
    int missing = 0;
    for (const Start& start : all) {
        SCOPED_TRACE(start.argument);
        ASSERT_EQ(start.failure, "");
        EXPECT_EQ(start.result.exitStatus, 0)
            << (start.result.exitStatus == kNoAppenderExitCode ? "no appender configured; " : "")
            << start.result.errorOutput;
        for (const char* complaint : kComplaints) {
            EXPECT_EQ(start.result.errorOutput.find(complaint), std::string::npos)
                << start.result.errorOutput;
        }
        const std::size_t records = CountOf(log, " " + start.argument);
        EXPECT_LE(records, 1u) << "the start's record is in the day's log once";
        if (CrossProcessAppendKeepsEveryRecord()) {
            EXPECT_EQ(records, 1u) << "the start's record is in the day's log";
        }
        missing += records == 0 ? 1 : 0;
    }
    if (CrossProcessAppendKeepsEveryRecord()) {
        EXPECT_EQ(CountOf(log, " - AppRun started: "), all.size())
            << missing << " of " << all.size() << " starts left no record";
    } else {
        // Every start configured its appender (its exit code); what the file lost, it lost
        // in the append.
        std::printf("%d of %zu records lost in the append across processes\n", missing, all.size());
    }

    const std::string base = LAUNCHER_BASE_NAME;
    EXPECT_EQ(NamesIn(ToLibraryPath(LogRoot())), (std::vector<std::string>{base, base + ".ini"}))
        << "no start's temporary file stays in the log root";
}

}  // namespace
