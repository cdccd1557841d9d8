#include "commands.h"
#include "engine/convert.h"
#include "engine/numbers.h"
#include "engine_arguments.h"
#include "text_io.h"

#include <string>

namespace tovalo::cli {

int runConvert(const std::vector<std::string> &argList) {
    const AcceptedOptions accepted{{"--fixed", "--no-gap", "--full-width", "--no-shaping",
                                    "--vertical-forms", "--tate-chu-yoko", "--crlf", "--sjis"},
                                   {"--height", "--lines", "--margin", "--separator", "--rule"}};
    int status = kExitOk;
    std::optional<EngineCommand> command = prepareEngineCommand(argList, accepted, status);
    if (!command)
        return status;
    const Arguments &args = command->args;
    const engine::Settings &settings = command->settings;
    const std::u16string &source = command->source;

    engine::ParamTexts texts;
    texts.height = heightTextFrom(args);
    texts.fixedLines = args.has("--fixed");
    texts.gapOn = !args.has("--no-gap");
    if (auto margin = args.value("--margin"))
        texts.margin = argumentText(*margin);
    if (auto lines = args.value("--lines")) {
        texts.lines = argumentText(*lines);
    } else if (!texts.fixedLines) {
        // As the window does while the number of lines is not fixed: the estimate.
        const engine::Reading height = engine::readColHeight(texts.height);
        if (!height.ok())
            return fail(engine::describe(height.fault), kExitFailed);
        const engine::LineCount estimate = engine::CountLines(source, height.value, settings);
        if (!estimate.ok())
            return fail(engine::describe(estimate.fault), kExitFailed);
        const std::string count = std::to_string(estimate.count);
        texts.lines.assign(count.begin(), count.end());
    }

    const engine::Conversion result = engine::MakeTate(source, texts, settings);
    if (!result.ok())
        return fail(engine::describe(result.fault), kExitFailed);
    std::string writeError;
    if (!writeOutputText(result.vertical, {args.has("--crlf"), args.has("--sjis")}, writeError))
        return fail(writeError, kExitFailed);
    return kExitOk;
}

} // namespace tovalo::cli
