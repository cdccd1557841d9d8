// tovalo-cli: the conversion engine for batch use and scripting.

#include "commands.h"
#include "tovalo_version.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <map>
#include <string>
#include <vector>

namespace {

using namespace tovalo::cli;

int run(int argc, char **argv) {
    const std::map<std::string, int (*)(const std::vector<std::string> &)> commands = {
        {"convert", runConvert},
        {"count", runCount},
        {"phone", runPhone},
    };
    if (argc < 2)
        return badUsage("no command given");
    const std::vector<std::string> args(argv + 2, argv + argc);
    const std::string command = argv[1];
    if (command == "--version") {
        std::printf("tovalo-cli %s\n", tovalo::version::text);
        return kExitOk;
    }
    if (command == "--help" || command == "-h" ||
        (commands.count(command) && !args.empty() && args[0] == "--help")) {
        std::fputs(kUsage, stdout);
        return kExitOk;
    }
    auto it = commands.find(command);
    if (it == commands.end())
        return badUsage("unknown command " + command);
    return it->second(args);
}

// Success only when everything written to standard output reached it: a full disk or
// a closed pipe shows only when the buffered output is flushed and closed.
int finishOutput(int status) {
    const bool failedBefore = std::ferror(stdout) != 0;
    const int closed = std::fclose(stdout);
    if (status != kExitOk || (!failedBefore && closed == 0))
        return status;
    const std::string reason = failedBefore && closed == 0 ? "write error" : std::strerror(errno);
    return fail("cannot write the output: " + reason, kExitFailed);
}

} // namespace

int main(int argc, char **argv) {
    return finishOutput(run(argc, argv));
}
