#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace tovalo::cli {

// The options one subcommand accepts: flags stand alone, valued options take the
// next argument (or the text after '=').
struct AcceptedOptions {
    std::set<std::string> flags;
    std::set<std::string> valued;
};

struct Arguments {
    std::set<std::string> flags;
    std::map<std::string, std::string> values;
    std::optional<std::string> file; // absent or "-": standard input

    bool has(const std::string &flag) const { return flags.count(flag) != 0; }
    std::optional<std::string> value(const std::string &name) const;

    // The option's value as a 16-bit whole number, or `fallback` when it is absent;
    // nothing, with error set, when the value is not such a number.
    std::optional<std::int16_t> wholeNumber(const std::string &name, std::int16_t fallback,
                                            std::string &error) const;
};

// Parses args against the accepted options; on a bad option, returns nothing and sets error.
std::optional<Arguments> parseArguments(const std::vector<std::string> &args,
                                        const AcceptedOptions &accepted, std::string &error);

} // namespace tovalo::cli
