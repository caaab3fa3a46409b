// Running a created object: the calls it receives, in order, and what comes back.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "launcher/command_string.h"
#include "launcher/launch_app_run.h"

namespace {

// Records the calls it receives. Lives on the test's stack: Release only counts.
class RecordingAppRun final : public IAppRun {
  public:
    explicit RecordingAppRun(std::int32_t result) : result_(result) {}

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID, void** object) override {
        calls.push_back("QueryInterface");
        *object = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override {
        calls.push_back("AddRef");
        return 2;
    }
    ULONG STDMETHODCALLTYPE Release() override {
        calls.push_back("Release");
        return 0;
    }
    std::int32_t STDMETHODCALLTYPE Run(BSTR commandString, std::int32_t showCommand) override {
        calls.push_back("Run");
        receivedCommand.assign(reinterpret_cast<const char16_t*>(commandString),
                               SysStringLen(commandString));
        receivedShowCommand = showCommand;
        return result_;
    }

    std::vector<std::string> calls;
    std::u16string receivedCommand;
    std::int32_t receivedShowCommand = -1;

  private:
    std::int32_t result_;
};

UniqueBstr NoCommandString(const char*) {
    return nullptr;
}

// The object whose command string is freed next: the freer notes the free among its calls,
// so the free and the release show in the order they happened.
RecordingAppRun* g_commandStringUser = nullptr;

void WINAPI NoteFreeThenFree(BSTR text) {
    g_commandStringUser->calls.push_back("FreeCommandString");
    SysFreeString(text);
}

UniqueBstr NotedCommandString(const char* commandLine) {
    return UniqueBstr(MakeCommandString(commandLine).release(), BstrFreer{&NoteFreeThenFree});
}

struct ResultCase {
    std::int32_t runResult;
};

void PrintTo(const ResultCase& c, std::ostream* os) {
    *os << c.runResult;
}

class RunAppRunTest : public ::testing::TestWithParam<ResultCase> {};

TEST_P(RunAppRunTest, RunsOnceThenReleasesOnceAndPassesTheResultThrough) {
    RecordingAppRun appRun(GetParam().runResult);
    const std::optional<int> result = RunAppRun(
        UniqueInterface<IAppRun>(&appRun), "\"C:\\a b\\app.exe\" \x95\x5C", 7, &MakeCommandString);
    ASSERT_TRUE(result.has_value());
    EXPECT_EQ(*result, GetParam().runResult);
    EXPECT_EQ(appRun.calls, (std::vector<std::string>{"Run", "Release"}));
    EXPECT_EQ(appRun.receivedCommand, u"\"C:\\a b\\app.exe\" \u8868");
    EXPECT_EQ(appRun.receivedShowCommand, 7);
}

INSTANTIATE_TEST_SUITE_P(Results, RunAppRunTest,
                         ::testing::Values(ResultCase{0}, ResultCase{1}, ResultCase{-1},
                                           ResultCase{static_cast<std::int32_t>(0x80004005)}));

// Lifetimes nest: the string, made after the object was created, goes before it is released.
TEST(RunAppRunTest, TheCommandStringIsFreedWhileTheObjectIsStillHeld) {
    RecordingAppRun appRun(3);
    g_commandStringUser = &appRun;
    const std::optional<int> result =
        RunAppRun(UniqueInterface<IAppRun>(&appRun), "app.exe", 10, &NotedCommandString);
    g_commandStringUser = nullptr;
    EXPECT_EQ(result, std::optional<int>(3));
    EXPECT_EQ(appRun.calls, (std::vector<std::string>{"Run", "FreeCommandString", "Release"}));
}

TEST(RunAppRunTest, WithoutACommandStringRunIsSkippedAndTheObjectStillReleased) {
    RecordingAppRun appRun(5);
    const std::optional<int> result =
        RunAppRun(UniqueInterface<IAppRun>(&appRun), "app.exe", 10, &NoCommandString);
    EXPECT_FALSE(result.has_value());
    EXPECT_EQ(appRun.calls, std::vector<std::string>{"Release"});
}

}  // namespace
