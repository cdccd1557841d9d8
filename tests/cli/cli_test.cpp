#include "engine/layout.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>
#include <sys/wait.h>
#include <unistd.h>

namespace tovalo::testing {
namespace {

struct CliRun {
    int status = -1; // exit status, or -1 when the program did not exit normally
    std::string out;
    std::string err;
};

std::string quoted(const std::string &arg) {
    std::string out = "'";
    for (char c : arg)
        out += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return out + "'";
}

std::string readFile(const std::string &path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Writes bytes to a new file in the temporary folder and returns its path.
std::string writeTempFile(const std::string &bytes) {
    char path[] = "/tmp/tovalo-cli-test-XXXXXX";
    close(mkstemp(path));
    std::ofstream(path, std::ios::binary) << bytes;
    return path;
}

// Runs the built tovalo-cli with the arguments, feeding `input` on standard input.
// Standard output goes to `outputPath` when one is given (`out` then stays empty).
CliRun runCli(const std::vector<std::string> &args, const std::string &input = "",
              const std::string &outputPath = "") {
    const std::string in = writeTempFile(input);
    const std::string out = writeTempFile("");
    const std::string err = writeTempFile("");
    // Appended piece by piece: GCC 12 at -O3 misreads `"literal" + std::string` as an
    // overlapping copy (-Wrestrict).
    std::string command = quoted(TOVALO_CLI_PATH);
    for (const std::string &arg : args)
        command.append(" ").append(quoted(arg));
    command.append(" <").append(quoted(in));
    command.append(" >").append(quoted(outputPath.empty() ? out : outputPath));
    command.append(" 2>").append(quoted(err));
    const int raw = std::system(command.c_str());
    CliRun run;
    run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    run.out = readFile(out);
    run.err = readFile(err);
    for (const std::string &path : {in, out, err})
        std::remove(path.c_str());
    return run;
}

// `count` lines of `width` spaces.
std::string blankLines(int count, std::size_t width) {
    std::string lines;
    while (count-- > 0)
        lines += std::string(width, ' ') + '\n';
    return lines;
}

// Splits a command line at its spaces; "" stands for an empty argument.
std::vector<std::string> words(const std::string &line) {
    std::vector<std::string> args;
    std::istringstream in(line);
    for (std::string word; in >> word;)
        args.push_back(word == "\"\"" ? "" : word);
    return args;
}

TEST(Cli, PrintsAndExitsAsDocumented) {
    const std::string file = writeTempFile("あい\n");
    const struct {
        std::string args;
        std::string input;
        int status;
        std::string out;          // exact standard output
        std::string errPart = {}; // part of standard error, when the run fails
    } cases[] = {
        // The estimated number of lines, the gap and punctuation shaping; a margin.
        {"convert --height 3 --no-gap --margin 1", "あいう。えお\n", 0,
         " えあ\n おい\n   う\n \u3000 ｡"},
        {"convert", "あい", 0, " あ\n い\n" + blankLines(8, 3) + " \u3000"}, // height 10
        {"convert --height 3 --no-shaping --no-gap --crlf --full-width", "あ\nb", 0,
         "ｂあ\r\n    \r\n    \r\n"},
        {"convert --height 3 --no-shaping --no-gap --sjis", "\x82\xa0\x82\xa2", 0,
         "\x82\xa0\n\x82\xa2\n  \n"},
        {"convert --height 2 --lines 1 --fixed --separator 4 --rule - --no-shaping", "あ", 0,
         "|-\n\n|あ\n|  \n\n|-"},
        {"count --height 3", "あいう。えお", 0, "2\n"},
        {"count --height 1 " + file, "", 0, "3\n"},
        // The phone pages have 6 rows of 7 cells unless told otherwise.
        {"phone", "", 0, " ＊＊＊＊＊＊\n" + blankLines(6, 14) + " ＊＊＊＊＊＊\n"},
        {"phone --height 2 --width 3 --rule \"\" --crlf", "あい", 0, " \r\n  あ\r\n  い\r\n \r\n"},
        {"phone --height 1 --width 2 --no-breaks --full-width --sjis --rule -", "a", 0,
         " -\n  \x82\x81 -\n"},
        {"convert --height abc", "あ", 1, "", "height"},
        {"convert --height 1000000000", "あ", 1, "", "too large"},
        {"convert --lines 40000", "あ", 1, "", "lines"},
        {"convert --margin -1", "あ", 1, "", "margin"},
        {"phone --width 1", "あ", 1, "", "width"}, // no cell beside the line break
        {"convert /nonexistent/file.txt", "", 1, "", "/nonexistent/file.txt"},
        {"count /", "", 1, "", "cannot read /"},
        // A huge input is refused; blanks at its end, which are trimmed, do not count.
        {"count", std::string(engine::kMaxResultUnits + 1, 'a'), 1, "",
         "tovalo-cli: the input is too large\n"},
        {"count", "a" + std::string(engine::kMaxResultUnits, ' '), 0, "1\n"},
        {"convert --bogus", "", 2, "", "Usage"},
        {"convert --height", "", 2, "", "needs a value"},
        {"convert --separator x", "", 2, "", "--separator"},
        {"phone --height 6.5", "あ", 2, "", "--height"},
        {"phone --width 40000", "あ", 2, "", "--width"},
        {"turn", "", 2, "", "Usage"},
        {"", "", 2, "", "Usage"},
        {"--version", "", 0, "tovalo-cli 2.1.0\n"},
        // What is not text is refused.
        {"count",
         std::string("\x7f"
                     "ELF\0\0\0",
                     7),
         1, "", "standard input is not text"},
        // Vertical forms and tate-chu-yoko.
        {"convert --height 4 --no-gap --no-shaping --vertical-forms --tate-chu-yoko", "「12…」", 0,
         "  ﹁\n  12\n  ︙\n  ﹂\n"},
        {"count --height 3 --tate-chu-yoko", "12あ", 0, "1\n"},
        {"phone --height 1 --width 4 --no-breaks --vertical-forms --tate-chu-yoko", "「12」", 0,
         " ＊＊＊\n  ﹂12﹁ ＊＊＊\n"},
        // Shift_JIS output names what it cannot hold instead of writing "?".
        {"convert --height 2 --no-shaping --sjis", "あい\nう😀", 1, "", "😀 (U+1F600) on line 1"},
        {"phone --height 1 --width 3 --sjis", "a\n𠮷", 1, "", "𠮷 (U+20BB7) on line 4"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.args);
        const CliRun run = runCli(words(c.args), c.input);
        EXPECT_EQ(run.status, c.status) << run.err;
        EXPECT_EQ(run.out, c.out);
        if (c.errPart.empty())
            EXPECT_EQ(run.err, "");
        else
            EXPECT_NE(run.err.find(c.errPart), std::string::npos) << run.err;
    }
    std::remove(file.c_str());
}

TEST(Cli, RefusesAnEndlessInputAtOnce) {
    const auto start = std::chrono::steady_clock::now();
    const CliRun endless = runCli({"convert", "/dev/zero"});
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(20));
    EXPECT_EQ(endless.status, 1);
    EXPECT_EQ(endless.err, "tovalo-cli: the input is too large\n");
    EXPECT_EQ(endless.out, "");
}

// Output that never reached its destination is a failure, whatever was written.
TEST(Cli, FailsWhenTheOutputCannotBeWritten) {
    for (const char *args :
         {"--help", "--version", "convert --help", "convert", "convert --sjis", "count", "phone"}) {
        SCOPED_TRACE(args);
        const CliRun run = runCli(words(args), "あい", "/dev/full");
        EXPECT_EQ(run.status, 1);
        EXPECT_NE(run.err.find("No space left on device"), std::string::npos) << run.err;
    }
}

TEST(Cli, HelpPrintsUsage) {
    for (const char *args : {"--help", "convert --help"}) {
        const CliRun run = runCli(words(args));
        EXPECT_EQ(run.status, 0);
        EXPECT_NE(run.out.find("tovalo-cli convert"), std::string::npos);
    }
}

} // namespace
} // namespace tovalo::testing
