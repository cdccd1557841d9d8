#include "commands.h"
#include "engine/layout.h"
#include "engine/numbers.h"
#include "engine_arguments.h"
#include "text_io.h"

#include <cstdio>

namespace tovalo::cli {

int runCount(const std::vector<std::string> &argList) {
    const AcceptedOptions accepted{
        {"--full-width", "--no-shaping", "--vertical-forms", "--tate-chu-yoko"}, {"--height"}};
    int status = kExitOk;
    std::optional<EngineCommand> command = prepareEngineCommand(argList, accepted, status);
    if (!command)
        return status;
    const Arguments &args = command->args;
    const engine::Settings &settings = command->settings;
    const std::u16string &source = command->source;

    const engine::Reading height = engine::readColHeight(heightTextFrom(args));
    if (!height.ok())
        return fail(engine::describe(height.fault), kExitFailed);
    const engine::LineCount estimate = engine::CountLines(source, height.value, settings);
    if (!estimate.ok())
        return fail(engine::describe(estimate.fault), kExitFailed);
    std::printf("%d\n", estimate.count);
    return kExitOk;
}

} // namespace tovalo::cli
