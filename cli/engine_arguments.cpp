#include "engine_arguments.h"

#include "text_io.h"

#include <charconv>

namespace tovalo::cli {

std::optional<engine::ConvOptions> convOptionsFrom(const Arguments &args, std::string &error) {
    engine::ConvOptions options;
    if (auto separator = args.value("--separator")) {
        const char *end = separator->data() + separator->size();
        auto [ptr, ec] = std::from_chars(separator->data(), end, options.Spc12A);
        if (ec != std::errc() || ptr != end) {
            error = "--separator takes a whole number, not " + *separator;
            return std::nullopt;
        }
    }
    options.ChkChg1 = args.has("--full-width");
    options.maruFix = !args.has("--no-shaping");
    if (auto rule = args.value("--rule"))
        options.MpTsep = argumentText(*rule);
    return options;
}

std::u16string heightTextFrom(const Arguments &args) {
    auto height = args.value("--height");
    return height ? argumentText(*height) : u"10";
}

} // namespace tovalo::cli
