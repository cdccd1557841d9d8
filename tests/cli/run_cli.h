#pragma once

#include <string>
#include <vector>

namespace tovalo::testing {

struct CliRun {
    int status = -1; // exit status, or -1 when the program did not exit normally
    std::string out;
    std::string err;
};

// Runs the built tovalo-cli with the arguments, feeding `input` on standard input.
// Standard output goes to `outputPath` when one is given (`out` then stays empty).
CliRun runCli(const std::vector<std::string> &args, const std::string &input = "",
              const std::string &outputPath = "");

// Writes bytes to a new file in the temporary folder and returns its path.
std::string writeTempFile(const std::string &bytes);

} // namespace tovalo::testing
