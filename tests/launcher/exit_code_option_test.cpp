// The demo application's exit code as its command line chooses it.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "components/exit_code_option.h"

namespace {

constexpr std::int32_t kMalformed = static_cast<std::int32_t>(0x80070057);

struct OptionCase {
    const char* name;
    std::string commandLine;
    std::int32_t exitCode;
};

void PrintTo(const OptionCase& c, std::ostream* os) {
    *os << c.name;
}

class ExitCodeFromCommandLineTest : public ::testing::TestWithParam<OptionCase> {};

TEST_P(ExitCodeFromCommandLineTest, ReadsTheOption) {
    EXPECT_EQ(ExitCodeFromCommandLine(GetParam().commandLine), GetParam().exitCode);
}

INSTANTIATE_TEST_SUITE_P(
    CommandLines, ExitCodeFromCommandLineTest,
    ::testing::Values(OptionCase{"NoOption", "\"C:\\a b\\NvLinkLauncher.exe\" x y", 0},
                      OptionCase{"Zero", "app --exit-code=0", 0},
                      OptionCase{"Decimal", "app --exit-code=42 more", 42},
                      OptionCase{"Negative", "app --exit-code=-7", -7},
                      OptionCase{"Hexadecimal", "app --exit-code=0x1F", 31},
                      OptionCase{"FailureHresult", "app --exit-code=0x80004005",
                                 static_cast<std::int32_t>(0x80004005)},
                      OptionCase{"UpperCaseHex", "app --exit-code=0XFFFFFFFF", -1},
                      OptionCase{"LargestUnsignedDecimal", "app --exit-code=4294967295", -1},
                      OptionCase{"SmallestSigned", "app --exit-code=-2147483648",
                                 static_cast<std::int32_t>(0x80000000)},
                      OptionCase{"QuotedArgument", "app \"--exit-code=5\"", 5},
                      OptionCase{"FirstOptionWins", "app --exit-code=1 --exit-code=2", 1},
                      OptionCase{"InsideAnotherWordIsNoOption", "app x--exit-code=9", 0},
                      OptionCase{"OptionAtTheVeryStart", "--exit-code=6", 6},
                      OptionCase{"EmptyValue", "app --exit-code=", kMalformed},
                      OptionCase{"NotANumber", "app --exit-code=abc", kMalformed},
                      OptionCase{"TrailingGarbage", "app --exit-code=12x", kMalformed},
                      OptionCase{"HexPrefixOnly", "app --exit-code=0x", kMalformed},
                      OptionCase{"WiderThan32Bits", "app --exit-code=0x100000000", kMalformed},
                      OptionCase{"DecimalWiderThan32Bits", "app --exit-code=4294967296",
                                 kMalformed},
                      OptionCase{"NegativeBeyondInt32", "app --exit-code=-2147483649", kMalformed}),
    [](const ::testing::TestParamInfo<OptionCase>& info) { return info.param.name; });

}  // namespace
