// Running a created object: the calls it receives, in order, and what comes back. When its
// command string is freed: command_string_lifetime_test.cpp.
#include <gtest/gtest.h>

#include <string>
#include <vector>

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

struct ResultCase {
    std::int32_t runResult;
};

void PrintTo(const ResultCase& c, std::ostream* os) {
    *os << c.runResult;
}

class RunAppRunTest : public ::testing::TestWithParam<ResultCase> {};

TEST_P(RunAppRunTest, RunsOnceThenReleasesOnceAndPassesTheResultThrough) {
    RecordingAppRun appRun(GetParam().runResult);
    const std::optional<int> result =
        RunAppRun(UniqueInterface<IAppRun>(&appRun), "\"C:\\a b\\app.exe\" \x95\x5C", 7);
    ASSERT_TRUE(result.has_value());
    EXPECT_EQ(*result, GetParam().runResult);
    EXPECT_EQ(appRun.calls, (std::vector<std::string>{"Run", "Release"}));
    EXPECT_EQ(appRun.receivedCommand, u"\"C:\\a b\\app.exe\" \u8868");
    EXPECT_EQ(appRun.receivedShowCommand, 7);
}

INSTANTIATE_TEST_SUITE_P(Results, RunAppRunTest,
                         ::testing::Values(ResultCase{0}, ResultCase{1}, ResultCase{-1},
                                           ResultCase{static_cast<std::int32_t>(0x80004005)}));

}  // namespace
