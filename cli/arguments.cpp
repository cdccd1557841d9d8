#include "arguments.h"

#include <charconv>

namespace tovalo::cli {

std::optional<std::string> Arguments::value(const std::string &name) const {
    auto it = values.find(name);
    if (it == values.end())
        return std::nullopt;
    return it->second;
}

std::optional<std::int16_t> Arguments::wholeNumber(const std::string &name, std::int16_t fallback,
                                                   std::string &error) const {
    const std::optional<std::string> text = value(name);
    if (!text)
        return fallback;
    std::int16_t number = 0;
    const char *end = text->data() + text->size();
    auto [ptr, ec] = std::from_chars(text->data(), end, number);
    if (ec != std::errc() || ptr != end) {
        error = name + " takes a whole number from -32768 to 32767, not " + *text;
        return std::nullopt;
    }
    return number;
}

std::optional<Arguments> parseArguments(const std::vector<std::string> &args,
                                        const AcceptedOptions &accepted, std::string &error) {
    Arguments parsed;
    bool optionsEnded = false;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string &arg = args[i];
        if (!optionsEnded && arg == "--") {
            optionsEnded = true;
        } else if (!optionsEnded && arg.size() > 1 && arg[0] == '-' && arg != "-") {
            const size_t eq = arg.find('=');
            const std::string name = arg.substr(0, eq);
            if (accepted.flags.count(name) && eq == std::string::npos) {
                parsed.flags.insert(name);
            } else if (accepted.valued.count(name)) {
                if (eq != std::string::npos) {
                    parsed.values[name] = arg.substr(eq + 1);
                } else if (i + 1 < args.size()) {
                    parsed.values[name] = args[++i];
                } else {
                    error = "option " + name + " needs a value";
                    return std::nullopt;
                }
            } else {
                error = "unknown option " + arg;
                return std::nullopt;
            }
        } else if (!parsed.file) {
            parsed.file = arg;
        } else {
            error = "more than one input file";
            return std::nullopt;
        }
    }
    return parsed;
}

} // namespace tovalo::cli
