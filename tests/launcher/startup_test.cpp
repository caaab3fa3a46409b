// The start-up sequence in-process, on threads in each COM state it may meet.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <thread>

#include "components/run_record.h"
#include "components/utf8_text.h"
#include "launcher/command_string.h"
#include "launcher/launch_app_run.h"
#include "launcher/startup.h"
#include "recorded_handoffs.h"
#include "run_record_reader.h"
#include "scoped_environment.h"
#include "temp_dir.h"

namespace {

// Logging is set up under a scratch documents folder (the host's; Wine keeps its own in the
// build's scratch home) and never reaches the real logging library: this program links the
// recording stand-in for the hand-off. The demo object records its runs in the scratch folder.
class StartupTest : public ::testing::Test {
  protected:
    StartupTest()
        : home_("HOME", scratch_.Path()),
          documents_("XDG_DOCUMENTS_DIR", scratch_.Path() + "/Documents"),
          record_(kRecordFileVariable, RecordFile()) {}

    void SetUp() override {
        HandedOverConfigurations().clear();
        std::remove(RecordFile().c_str());
    }
    std::string RecordFile() const { return scratch_.Path() + "/record.txt"; }

  private:
    TempDir scratch_;
    ScopedEnvironment home_;
    ScopedEnvironment documents_;
    ScopedEnvironment record_;
};

enum class Apartment { kNone, kSingleThreaded, kMultithreaded };

struct StartupCase {
    const char* name;
    Apartment before;
    int exitCode;
    bool runs;
};

void PrintTo(const StartupCase& c, std::ostream* os) {
    *os << c.name;
}

class RunStartupTest : public StartupTest, public ::testing::WithParamInterface<StartupCase> {};

TEST_P(RunStartupTest, ExitCodeFollowsTheThreadsComState) {
    const StartupCase& c = GetParam();
    int exitCode = -100;
    HRESULT afterwards = E_FAIL;
    std::thread([&] {
        HRESULT entered = E_FAIL;
        if (c.before == Apartment::kSingleThreaded) {
            entered = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
        } else if (c.before == Apartment::kMultithreaded) {
            entered = CoInitializeEx(nullptr, COINIT_MULTITHREADED);
        }
        exitCode = RunStartup(10);
        // The start-up leaves the thread as it found it: a balanced CoUninitialize.
        afterwards = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
        if (SUCCEEDED(afterwards)) {
            CoUninitialize();
        }
        if (SUCCEEDED(entered)) {
            CoUninitialize();
        }
    }).join();

    EXPECT_EQ(exitCode, c.exitCode);
    EXPECT_EQ(HandedOverConfigurations().size(), 1u) << "logging is set up whatever COM does";
    auto record = ReadRunRecord(RecordFile());
    ASSERT_EQ(record.has_value(), c.runs);
    switch (c.before) {
        case Apartment::kNone:
            EXPECT_EQ(afterwards, S_OK);
            break;
        case Apartment::kSingleThreaded:
            EXPECT_EQ(afterwards, S_FALSE);
            break;
        case Apartment::kMultithreaded:
            EXPECT_EQ(afterwards, RPC_E_CHANGED_MODE);
            break;
    }
    if (record) {
        // The whole command line of this very process reached the object.
        const std::string commandLine = Utf8FromBstr(MakeCommandString(GetCommandLineA()).get());
        EXPECT_EQ((*record)["command"], commandLine);
        EXPECT_EQ((*record)["show"], "10");
    }
}

INSTANTIATE_TEST_SUITE_P(
    Apartments, RunStartupTest,
    ::testing::Values(StartupCase{"FreshThread", Apartment::kNone, 0, true},
                      // S_FALSE from CoInitialize is success too.
                      StartupCase{"AlreadySingleThreaded", Apartment::kSingleThreaded, 0, true},
                      StartupCase{"AlreadyMultithreaded", Apartment::kMultithreaded, 1, false}),
    [](const ::testing::TestParamInfo<StartupCase>& info) { return info.param.name; });

struct LaunchCase {
    const char* name;
    std::string commandLine;
    int showCommand;
    int exitCode;
    std::string recordedCommand;  // UTF-8
};

void PrintTo(const LaunchCase& c, std::ostream* os) {
    *os << c.name;
}

class LaunchAppRunTest : public StartupTest, public ::testing::WithParamInterface<LaunchCase> {};

// The real demo component, created through this program's manifest.
TEST_P(LaunchAppRunTest, RunsTheDemoObjectWithTheCommandLine) {
    const LaunchCase& c = GetParam();
    ASSERT_GE(CoInitialize(nullptr), 0);
    const int exitCode = LaunchAppRun(c.commandLine.c_str(), c.showCommand);
    CoUninitialize();

    EXPECT_EQ(exitCode, c.exitCode);
    auto record = ReadRunRecord(RecordFile());
    ASSERT_TRUE(record.has_value());
    EXPECT_EQ((*record)["command"], c.recordedCommand);
    EXPECT_EQ((*record)["show"], std::to_string(c.showCommand));
}

INSTANTIATE_TEST_SUITE_P(
    CommandLines, LaunchAppRunTest,
    ::testing::Values(
        LaunchCase{"ExitCodeZero", "app.exe", 10, 0, "app.exe"},
        LaunchCase{"ChosenExitCode", "\"C:\\a b\\app.exe\" --exit-code=3", 1, 3,
                   "\"C:\\a b\\app.exe\" --exit-code=3"},
        LaunchCase{"NegativeExitCode", "app.exe --exit-code=-2", 7, -2, "app.exe --exit-code=-2"},
        LaunchCase{"FailureHresult", "app.exe --exit-code=0x80004005", 2,
                   static_cast<int>(0x80004005), "app.exe --exit-code=0x80004005"},
        LaunchCase{"ShiftJisArguments", "app.exe \x95\x5C \x93\xFA\x96\x7B\x8C\xEA", 10, 0,
                   "app.exe \xE8\xA1\xA8 \xE6\x97\xA5\xE6\x9C\xAC\xE8\xAA\x9E"},
        LaunchCase{"EmptyCommandLine", "", 10, 0, ""}),
    [](const ::testing::TestParamInfo<LaunchCase>& info) { return info.param.name; });

}  // namespace
