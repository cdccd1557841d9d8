// tovalo-cli: the conversion engine for batch use and scripting.

#include "commands.h"
#include "tovalo_version.h"

#include <cstdio>
#include <cstring>
#include <map>
#include <string>
#include <vector>

int main(int argc, char **argv) {
    using namespace tovalo::cli;
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
