// The host writes each message box to standard error, so a run's boxes can be counted.
#include <gtest/gtest.h>

#include <string>

#include "launcher_process_fixture.h"

namespace {

int CountBoxes(const std::string& errorOutput) {
    int boxes = 0;
    for (std::size_t at = errorOutput.find("[message box]"); at != std::string::npos;
         at = errorOutput.find("[message box]", at + 1)) {
        ++boxes;
    }
    return boxes;
}

TEST_F(LauncherProcessTest, MissingComponentShowsExactlyOneFatalErrorBox) {
    const LauncherCopy launcher(LauncherCopy::Component::kMissing);
    const ChildResult run = RunChild(launcher.Program(), {});
    EXPECT_EQ(run.exitStatus, ExitStatusOf(-1));
    EXPECT_EQ(CountBoxes(run.errorOutput), 1) << run.errorOutput;
    // "AppRunオブジェクトの作成に失敗しました。", a line feed, "処理を継続することができません。"
    const std::string expectedText =
        "AppRun\xE3\x82\xAA\xE3\x83\x96\xE3\x82\xB8\xE3\x82\xA7\xE3\x82"
        "\xAF\xE3\x83\x88\xE3\x81\xAE\xE4\xBD\x9C\xE6\x88\x90\xE3\x81\xAB"
        "\xE5\xA4\xB1\xE6\x95\x97\xE3\x81\x97\xE3\x81\xBE\xE3\x81\x97\xE3"
        "\x81\x9F\xE3\x80\x82\n\xE5\x87\xA6\xE7\x90\x86\xE3\x82\x92\xE7"
        "\xB6\x99\xE7\xB6\x9A\xE3\x81\x99\xE3\x82\x8B\xE3\x81\x93\xE3\x81"
        "\xA8\xE3\x81\x8C\xE3\x81\xA7\xE3\x81\x8D\xE3\x81\xBE\xE3\x81\x9B"
        "\xE3\x82\x93\xE3\x80\x82";
    EXPECT_NE(run.errorOutput.find(expectedText), std::string::npos) << run.errorOutput;
}

TEST_F(LauncherProcessTest, SuccessfulRunShowsNoBox) {
    const LauncherCopy launcher(LauncherCopy::Component::kBeside);
    const ChildResult run = RunChild(launcher.Program(), {});
    EXPECT_EQ(run.exitStatus, 0);
    EXPECT_EQ(CountBoxes(run.errorOutput), 0) << run.errorOutput;
}

}  // namespace
