#include "run_cli.h"

#include <gtest/gtest.h>

#include <random>

namespace tovalo::testing {
namespace {

struct PhoneCase {
    std::string name;
    std::vector<std::string> args; // after "phone"
    std::string input;
    int status;
    std::string out;          // exact standard output
    std::string errPart = {}; // part of standard error, when the run fails
};

void PrintTo(const PhoneCase &c, std::ostream *os) {
    *os << c.name;
}

class PhoneCliTest : public ::testing::TestWithParam<PhoneCase> {};

TEST_P(PhoneCliTest, PrintsAndExitsAsDocumented) {
    const PhoneCase &c = GetParam();
    std::vector<std::string> args = {"phone"};
    args.insert(args.end(), c.args.begin(), c.args.end());
    const CliRun run = runCli(args, c.input);
    EXPECT_EQ(run.status, c.status) << run.err;
    EXPECT_EQ(run.out, c.out);
    if (c.errPart.empty())
        EXPECT_EQ(run.err, "");
    else
        EXPECT_NE(run.err.find(c.errPart), std::string::npos) << run.err;
}

const std::string kRows12 = "            ";
const std::string kRows14 = "              ";

INSTANTIATE_TEST_SUITE_P(
    Phone, PhoneCliTest,
    ::testing::Values(
        PhoneCase{"DefaultsAreSixRowsOfSevenCells",
                  {},
                  "テスト",
                  0,
                  " ＊＊＊＊＊＊\n" + kRows12 + "テ\n" + kRows12 + "ス\n" + kRows12 + "ト\n" +
                      kRows14 + "\n" + kRows14 + "\n" + kRows14 + "\n ＊＊＊＊＊＊\n"},
        PhoneCase{"EmptyInputGivesOneBlankPage",
                  {"--height", "1", "--width", "3"},
                  "",
                  0,
                  " ＊\n    \n ＊\n"},
        PhoneCase{"LoneLfIsALineBreak",
                  {"--height", "3", "--width", "3", "--no-breaks"},
                  "a\nb",
                  0,
                  " ＊＊\n    a     　    b  ＊＊\n"},
        PhoneCase{"EmptyRuleAndCrLf",
                  {"--height", "2", "--width", "3", "--rule", "", "--crlf"},
                  "あい",
                  0,
                  " \r\n  あ\r\n  い\r\n \r\n"},
        PhoneCase{"FullWidthAndShiftJis",
                  {"--height", "1", "--width", "2", "--no-breaks", "--full-width", "--sjis",
                   "--rule", "-"},
                  "a",
                  0,
                  " -\n  \x82\x81 -\n"},
        PhoneCase{"WidthOneWithBreaksLeavesNoCell", {"--width", "1"}, "あ", 1, "", "width"},
        PhoneCase{"HeightAbove254", {"--height", "255"}, "あ", 1, "", "height"},
        PhoneCase{"HeightNotAWholeNumber", {"--height", "6.5"}, "あ", 2, "", "--height"},
        PhoneCase{"WidthBeyond16Bits", {"--width", "40000"}, "あ", 2, "", "--width"},
        PhoneCase{"UnknownOption", {"--lines", "3"}, "", 2, "", "Usage"}),
    [](const auto &info) { return info.param.name; });

// Random bytes and page sizes never crash the tool: it succeeds or says why.
TEST(PhoneCli, RandomInputNeverCrashes) {
    std::mt19937 random(11);
    for (int round = 0; round < 30; ++round) {
        std::string bytes(random() % 300, '\0');
        for (char &b : bytes)
            b = static_cast<char>(random());
        const CliRun run =
            runCli({"phone", "--height", std::to_string(static_cast<int>(random() % 12) - 1),
                    "--width", std::to_string(static_cast<int>(random() % 12) - 1)},
                   bytes);
        EXPECT_TRUE(run.status == 0 || (run.status == 1 && !run.err.empty())) << run.err;
    }
}

} // namespace
} // namespace tovalo::testing
