#pragma once

#include "arguments.h"
#include "engine/options.h"

#include <optional>
#include <string>

namespace tovalo::cli {

// The conversion options given on the command line (separator, full width, shaping,
// rule text); nothing, with error set, when --separator is not a 16-bit integer.
std::optional<engine::ConvOptions> convOptionsFrom(const Arguments &args, std::string &error);

// The height text: --height as given, else "10" as the window starts with.
std::u16string heightTextFrom(const Arguments &args);

} // namespace tovalo::cli
