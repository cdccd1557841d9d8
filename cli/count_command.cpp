#include "commands.h"
#include "engine/layout.h"
#include "engine/numbers.h"
#include "engine_arguments.h"
#include "text_io.h"

#include <cstdio>

namespace tovalo::cli {

int runCount(const std::vector<std::string> &argList) {
    const OptionSpec spec{{"--full-width", "--no-shaping"}, {"--height"}};
    std::string error;
    const std::optional<Arguments> args = parseArguments(argList, spec, error);
    if (!args)
        return badUsage(error);
    const std::optional<engine::ConvOptions> options = convOptionsFrom(*args, error);
    if (!options)
        return badUsage(error);
    const std::optional<std::u16string> source = readInputText(args->file, error);
    if (!source)
        return fail(error, kExitFailed);

    const engine::Reading height = engine::readColHeight(heightTextFrom(*args));
    if (!height.ok())
        return fail(engine::describe(height.fault), kExitFailed);
    const engine::Estimate estimate = engine::CountLines(*source, height.value, *options);
    if (!estimate.ok())
        return fail(engine::describe(estimate.fault), kExitFailed);
    std::printf("%d\n", estimate.count);
    return std::fflush(stdout) == 0 ? kExitOk : fail("cannot write the result", kExitFailed);
}

} // namespace tovalo::cli
