// When the launcher's command string is freed: against the test program's own strings, which
// note every free (bstr_double/).
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "launcher/launch_app_run.h"
#include "platform/unique_handles.h"
#include "recording_bstr.h"

namespace {

bool WasFreed(const void* text) {
    return std::find(FreedBstrs().begin(), FreedBstrs().end(), text) != FreedBstrs().end();
}

// Notes, when it is released, whether the string it ran with had been freed by then. Lives on
// the test's stack: Release only counts.
class FreeWatchingAppRun final : public IAppRun {
  public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID, void** object) override {
        *object = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
    ULONG STDMETHODCALLTYPE Release() override {
        calls.push_back("Release");
        commandStringFreedAtRelease = WasFreed(commandString);
        return 0;
    }
    std::int32_t STDMETHODCALLTYPE Run(BSTR text, std::int32_t) override {
        calls.push_back("Run");
        commandString = text;
        return 4;
    }

    std::vector<std::string> calls;
    BSTR commandString = nullptr;
    bool commandStringFreedAtRelease = false;
};

class CommandStringLifetime : public ::testing::Test {
  protected:
    void SetUp() override { FreedBstrs().clear(); }
};

TEST_F(CommandStringLifetime, AnOwnerFreesItsStringOnceWhenItGoes) {
    BSTR owned = nullptr;
    {
        const UniqueBstr text(SysAllocStringLen(u"abc", 3));
        ASSERT_NE(text, nullptr);
        owned = text.get();
        EXPECT_TRUE(FreedBstrs().empty());
    }
    EXPECT_EQ(FreedBstrs(), std::vector<const void*>{owned});
}

// Lifetimes nest: the string, made after the object was created, goes before it is released.
TEST_F(CommandStringLifetime, TheCommandStringIsFreedOnceWhileTheObjectIsStillHeld) {
    FreeWatchingAppRun appRun;
    const std::optional<int> result = RunAppRun(UniqueInterface<IAppRun>(&appRun), "app.exe", 10);
    EXPECT_EQ(result, std::optional<int>(4));
    EXPECT_EQ(appRun.calls, (std::vector<std::string>{"Run", "Release"}));
    EXPECT_TRUE(appRun.commandStringFreedAtRelease);
    EXPECT_EQ(FreedBstrs(), std::vector<const void*>{appRun.commandString});
}

TEST_F(CommandStringLifetime, WithoutACommandStringRunIsSkippedAndTheObjectStillReleased) {
    FreeWatchingAppRun appRun;
    FailNextBstrAllocation();
    const std::optional<int> result = RunAppRun(UniqueInterface<IAppRun>(&appRun), "app.exe", 10);
    EXPECT_FALSE(result.has_value());
    EXPECT_EQ(appRun.calls, std::vector<std::string>{"Release"});
    EXPECT_TRUE(FreedBstrs().empty());
}

}  // namespace
