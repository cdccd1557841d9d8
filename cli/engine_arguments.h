#pragma once

#include "arguments.h"
#include "engine/settings.h"

#include <optional>
#include <string>
#include <vector>

namespace tovalo::cli {

// What the engine's commands start from: their arguments, the conversion settings
// given (separator, full width, shaping, rule text) and the decoded input text.
struct EngineCommand {
    Arguments args;
    engine::Settings settings;
    std::u16string source;
};

// Parses the arguments and reads the input. On failure prints why and returns
// nothing, with the exit status in `status`.
std::optional<EngineCommand> prepareEngineCommand(const std::vector<std::string> &argList,
                                                  const AcceptedOptions &accepted, int &status);

// The height text: --height as given, else "10" as the window starts with.
std::u16string heightTextFrom(const Arguments &args);

} // namespace tovalo::cli
