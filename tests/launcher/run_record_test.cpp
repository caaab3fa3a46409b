// What the demo application records of its run.
#include <gtest/gtest.h>

#include <fstream>
#include <optional>
#include <string>

#include "components/run_record.h"
#include "run_record_reader.h"
#include "scoped_environment.h"
#include "temp_dir.h"

namespace {

struct RecordCase {
    const char* name;
    std::string command;
    std::int32_t showCommand;
    std::optional<bool> probe;
    std::string expected;
};

void PrintTo(const RecordCase& c, std::ostream* os) {
    *os << c.name;
}

class ComposeRunRecordTest : public ::testing::TestWithParam<RecordCase> {};

TEST_P(ComposeRunRecordTest, OneLinePerItem) {
    const RecordCase& c = GetParam();
    EXPECT_EQ(ComposeRunRecord(c.command, c.showCommand, c.probe), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Records, ComposeRunRecordTest,
    ::testing::Values(RecordCase{"NoProbe", "app a", 10, std::nullopt, "command=app a\nshow=10\n"},
                      RecordCase{"ProbePresent", "\"C:\\x y\\app.exe\"", 7, true,
                                 "command=\"C:\\x y\\app.exe\"\nshow=7\nprobe=present\n"},
                      RecordCase{"ProbeAbsent", "", -1, false,
                                 "command=\nshow=-1\nprobe=absent\n"}),
    [](const ::testing::TestParamInfo<RecordCase>& info) { return info.param.name; });

TEST(WriteRunRecordIfAskedTest, WritesWhereTheEnvironmentSaysAndProbesTheFileNow) {
    TempDir scratch;
    const std::string recordFile = scratch.Path() + "/record.txt";
    const std::string probeFile = scratch.Path() + "/probe.ini";
    const ScopedEnvironment record(kRecordFileVariable, recordFile);
    const ScopedEnvironment probe(kProbeFileVariable, probeFile);

    WriteRunRecordIfAsked("app", 3);
    auto fields = ReadRunRecord(recordFile);
    ASSERT_TRUE(fields.has_value());
    EXPECT_EQ((*fields)["probe"], "absent");

    std::ofstream(probeFile) << "x";
    WriteRunRecordIfAsked("app", 3);
    fields = ReadRunRecord(recordFile);
    ASSERT_TRUE(fields.has_value());
    EXPECT_EQ((*fields)["probe"], "present");
    EXPECT_EQ((*fields)["show"], "3");
}

}  // namespace
