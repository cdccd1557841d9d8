#include "run_cli.h"

#include <gtest/gtest.h>
#include <random>

namespace tovalo::testing {
namespace {


struct CliCase {
    std::string name;
    std::vector<std::string> args;
    std::string input;
    int status;
    std::string out; // exact standard output
    std::string errPart = {}; // part of standard error, when the run fails
};

void PrintTo(const CliCase &c, std::ostream *os) { *os << c.name; }

class CliTest : public ::testing::TestWithParam<CliCase> {};

TEST_P(CliTest, PrintsAndExitsAsDocumented) {
    const CliCase &c = GetParam();
    const CliRun run = runCli(c.args, c.input);
    EXPECT_EQ(run.status, c.status) << run.err;
    EXPECT_EQ(run.out, c.out);
    if (c.errPart.empty())
        EXPECT_EQ(run.err, "");
    else
        EXPECT_NE(run.err.find(c.errPart), std::string::npos) << run.err;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CliTest,
    ::testing::Values(
        CliCase{"EstimatesTheLines", {"convert", "--height", "3", "--no-gap"}, "あいう。えお\n", 0,
                "えあ\nおい\n  う\n\u3000 ｡"},
        CliCase{"DefaultsSeparatorAndHeight", {"convert"}, "あい", 0,
                " あ\n い\n   \n   \n   \n   \n   \n   \n   \n   \n \u3000"},
        CliCase{"KeepsCrLf", {"convert", "--height", "3", "--no-shaping", "--no-gap", "--crlf"},
                "あ\nい", 0, "いあ\r\n    \r\n    \r\n"},
        CliCase{"WritesShiftJis", {"convert", "--height", "2", "--no-shaping", "--no-gap", "--sjis"},
                "あ", 0, "\x82\xa0\n  \n"},
        CliCase{"ReadsShiftJis", {"convert", "--height", "3", "--no-shaping", "--no-gap"},
                "\x82\xa0\x82\xa2", 0, "あ\nい\n  \n"},
        CliCase{"FixedPages", {"convert", "--height", "3", "--lines", "2", "--fixed", "--no-gap",
                               "--no-shaping"},
                "あいうえおかきくけこ", 0,
                "＊＊\n\nえあ\nおい\nかう\n\n＊＊\n\nこき\n  く\n  け\n\n＊＊"},
        CliCase{"RuleAndSeparatorOptions", {"convert", "--height", "2", "--lines", "1", "--fixed",
                                            "--separator", "4", "--rule", "-", "--no-shaping"},
                "あ", 0, "|-\n\n|あ\n|  \n\n|-"},
        CliCase{"FullWidth", {"convert", "--height", "3", "--no-gap", "--full-width",
                              "--no-shaping"},
                "ab", 0, "ａ\nｂ\n  \n"},
        CliCase{"Count", {"count", "--height", "3"}, "あいう。えお", 0, "2\n"},
        CliCase{"CountOfNothing", {"count"}, "", 0, "1\n"},
        CliCase{"HeightNotANumber", {"convert", "--height", "abc"}, "あ", 1, "", "height"},
        CliCase{"HugeHeight", {"convert", "--height", "99999999999999999999"}, "あ", 1, "",
                "height"},
        CliCase{"HugeResult", {"convert", "--height", "1000000000"}, "あ", 1, "",
                "too large"},
        CliCase{"LinesOutOfRange", {"convert", "--lines", "40000"}, "あ", 1, "", "lines"},
        CliCase{"MarginNegative", {"convert", "--margin", "-1"}, "あ", 1, "", "margin"},
        CliCase{"UnknownOption", {"convert", "--bogus"}, "", 2, "", "Usage"},
        CliCase{"MissingValue", {"convert", "--height"}, "", 2, "", "needs a value"},
        CliCase{"BadSeparator", {"convert", "--separator", "x"}, "", 2, "", "--separator"},
        CliCase{"UnknownCommand", {"turn"}, "", 2, "", "Usage"},
        CliCase{"NoCommand", {}, "", 2, "", "Usage"},
        CliCase{"MissingFile", {"convert", "/nonexistent/file.txt"}, "", 1, "",
                "/nonexistent/file.txt"},
        CliCase{"DirectoryAsFile", {"count", "/"}, "", 1, "", "cannot read /"}),
    [](const auto &info) { return info.param.name; });

TEST(Cli, HelpPrintsUsageAndSucceeds) {
    for (auto args : {std::vector<std::string>{"--help"}, std::vector<std::string>{"convert", "--help"}}) {
        const CliRun run = runCli(args);
        EXPECT_EQ(run.status, 0);
        EXPECT_NE(run.out.find("tovalo-cli convert"), std::string::npos);
    }
}

TEST(Cli, VersionNamesTheProgramAndItsVersion) {
    const CliRun run = runCli({"--version"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "tovalo-cli 2.1.0\n");
}

TEST(Cli, ReadsAFileArgument) {
    const std::string path = writeTempFile("あい\n");
    const CliRun run = runCli({"count", "--height", "1", path});
    std::remove(path.c_str());
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "3\n");
}

// Random bytes in every option never crash the tool: it succeeds or says why.
TEST(Cli, RandomInputNeverCrashes) {
    std::mt19937 random(7);
    for (int round = 0; round < 40; ++round) {
        std::string bytes(random() % 200, '\0');
        for (char &b : bytes)
            b = static_cast<char>(random());
        const std::string height = std::to_string(static_cast<int>(random() % 12) - 1);
        const CliRun run = runCli({"convert", "--height", height, "--separator",
                                   std::to_string(random() % 7)}, bytes);
        EXPECT_TRUE(run.status == 0 || (run.status == 1 && !run.err.empty())) << run.err;
    }
}

} // namespace
} // namespace tovalo::testing
