// The show mode a starter puts into the start-up information (a shortcut set to start
// minimised, say) reaches the application object unchanged.
#include <gtest/gtest.h>

#include <string>

#include "launcher_process_fixture.h"

namespace {

struct ShowCase {
    const char* name;
    int showCommand;
};

void PrintTo(const ShowCase& c, std::ostream* os) {
    *os << c.name;
}

class LauncherShowCommandTest : public LauncherProcessTest,
                                public ::testing::WithParamInterface<ShowCase> {};

TEST_P(LauncherShowCommandTest, StartUpShowModeReachesRun) {
    const LauncherCopy launcher(LauncherCopy::Component::kBeside);
    const ChildResult run = RunChild(launcher.Program(), {"--exit-code=3"}, GetParam().showCommand);
    EXPECT_EQ(run.exitStatus, 3);
    auto record = Record();
    ASSERT_TRUE(record.has_value());
    EXPECT_EQ((*record)["show"], std::to_string(GetParam().showCommand));
}

INSTANTIATE_TEST_SUITE_P(
    ShowModes, LauncherShowCommandTest,
    ::testing::Values(ShowCase{"MinimisedWithoutActivation", SW_SHOWMINNOACTIVE},
                      ShowCase{"Minimised", SW_SHOWMINIMIZED},
                      ShowCase{"Maximised", SW_SHOWMAXIMIZED}, ShowCase{"Hidden", SW_HIDE}),
    [](const ::testing::TestParamInfo<ShowCase>& info) { return info.param.name; });

}  // namespace
