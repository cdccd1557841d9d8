#include "engine_arguments.h"

#include "text_io.h"

#include "commands.h"

namespace tovalo::cli {

std::optional<EngineCommand> prepareEngineCommand(const std::vector<std::string> &argList,
                                                  const AcceptedOptions &accepted, int &status) {
    std::string error;
    std::optional<Arguments> args = parseArguments(argList, accepted, error);
    const std::optional<std::int16_t> separator =
        args ? args->wholeNumber("--separator", 1, error) : std::nullopt;
    if (!separator) {
        status = badUsage(error);
        return std::nullopt;
    }
    std::optional<std::u16string> source = readInputText(args->file, error);
    if (!source) {
        status = fail(error, kExitFailed);
        return std::nullopt;
    }
    engine::Settings settings;
    settings.separatorKind = *separator;
    settings.fullWidth = args->has("--full-width");
    settings.verticalForms = args->has("--vertical-forms");
    settings.tateChuYoko = args->has("--tate-chu-yoko");
    settings.shaping = !args->has("--no-shaping");
    if (auto rule = args->value("--rule"))
        settings.pageRule = argumentText(*rule);
    return EngineCommand{std::move(*args), std::move(settings), std::move(*source)};
}

std::u16string heightTextFrom(const Arguments &args) {
    auto height = args.value("--height");
    return height ? argumentText(*height) : u"10";
}

} // namespace tovalo::cli
