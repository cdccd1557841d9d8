#include "run_cli.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <sys/wait.h>
#include <unistd.h>

namespace tovalo::testing {
namespace {

std::string quoted(const std::string &arg) {
    std::string out = "'";
    for (char c : arg)
        out += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return out + "'";
}

std::string readFile(const std::string &path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

} // namespace

std::string writeTempFile(const std::string &bytes) {
    char path[] = "/tmp/tovalo-cli-test-XXXXXX";
    int fd = mkstemp(path);
    if (fd < 0)
        return {};
    if (write(fd, bytes.data(), bytes.size()) != static_cast<ssize_t>(bytes.size()))
        path[0] = '\0';
    close(fd);
    return path;
}

CliRun runCli(const std::vector<std::string> &args, const std::string &input,
              const std::string &outputPath) {
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

} // namespace tovalo::testing
