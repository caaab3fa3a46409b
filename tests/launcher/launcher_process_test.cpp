// The launcher as its users start it: a process of its own, with the demo component beside
// it, ending with the exit code its application object chose.
#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

#include "launcher_process_fixture.h"

namespace {

struct ExitCodeCase {
    const char* name;
    std::string argument;
    std::int32_t runResult;
};

void PrintTo(const ExitCodeCase& c, std::ostream* os) {
    *os << c.name;
}

class LauncherExitCodeTest : public LauncherProcessTest,
                             public ::testing::WithParamInterface<ExitCodeCase> {};

TEST_P(LauncherExitCodeTest, RunsResultBecomesTheExitCode) {
    const LauncherCopy launcher(LauncherCopy::Component::kBeside);
    const ChildResult run = RunChild(launcher.Program(), {GetParam().argument});
    EXPECT_EQ(run.exitStatus, ExitStatusOf(GetParam().runResult));
    EXPECT_TRUE(Record().has_value()) << "the application object never ran";
}

INSTANTIATE_TEST_SUITE_P(Results, LauncherExitCodeTest,
                         ::testing::Values(ExitCodeCase{"Zero", "--exit-code=0", 0},
                                           ExitCodeCase{"One", "--exit-code=1", 1},
                                           ExitCodeCase{"Negative", "--exit-code=-7", -7},
                                           ExitCodeCase{"FailureHresult", "--exit-code=0x80004005",
                                                        static_cast<std::int32_t>(0x80004005)}),
                         [](const ::testing::TestParamInfo<ExitCodeCase>& info) {
                             return info.param.name;
                         });

struct CommandLineCase {
    const char* name;
    std::vector<std::string> arguments;  // UTF-8
};

void PrintTo(const CommandLineCase& c, std::ostream* os) {
    *os << c.name;
}

class LauncherCommandLineTest : public LauncherProcessTest,
                                public ::testing::WithParamInterface<CommandLineCase> {};

TEST_P(LauncherCommandLineTest, WholeCommandLineArrivesUnchanged) {
    const LauncherCopy launcher(LauncherCopy::Component::kBeside);
    const ChildResult run = RunChild(launcher.Program(), GetParam().arguments);
    EXPECT_EQ(run.exitStatus, 0);
    auto record = Record();
    ASSERT_TRUE(record.has_value());
    EXPECT_EQ((*record)["command"], CommandLineOf(launcher.Program(), GetParam().arguments));
    // Started without a show mode in its start-up information.
    EXPECT_EQ((*record)["show"], "10");
}

INSTANTIATE_TEST_SUITE_P(Arguments, LauncherCommandLineTest,
                         ::testing::Values(CommandLineCase{"ProgramOnly", {}},
                                           CommandLineCase{"PlainArguments", {"alpha", "-b", "/c"}},
                                           CommandLineCase{"QuotedArgument", {"two words", "x"}},
                                           CommandLineCase{"JapaneseArguments",
                                                           {"\xE6\x97\xA5\xE6\x9C\xAC\xE8\xAA\x9E",
                                                            "C:\\x\\\xE8\xA1\xA8.txt"}}),
                         [](const ::testing::TestParamInfo<CommandLineCase>& info) {
                             return info.param.name;
                         });

TEST_F(LauncherProcessTest, LogConfigurationIsWrittenBeforeTheObjectRuns) {
    const LauncherCopy launcher(LauncherCopy::Component::kBeside);
    RunChild(launcher.Program(), {});
    auto record = Record();
    ASSERT_TRUE(record.has_value());
    EXPECT_EQ((*record)["probe"], "present") << ConfigurationFile();
}

TEST_F(LauncherProcessTest, MissingComponentEndsWithMinusOneAndNoRun) {
    const LauncherCopy launcher(LauncherCopy::Component::kMissing);
    const ChildResult run = RunChild(launcher.Program(), {"--exit-code=5"});
    EXPECT_EQ(run.exitStatus, ExitStatusOf(-1));
    EXPECT_FALSE(Record().has_value());
    // Logging was set up all the same, before COM was asked for the object.
    EXPECT_TRUE(std::ifstream(ConfigurationFile()).is_open()) << ConfigurationFile();
}

}  // namespace
