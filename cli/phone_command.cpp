#include "arguments.h"
#include "commands.h"
#include "phone/page_maker.h"
#include "text_io.h"

#include <charconv>
#include <cstdint>
#include <string>

namespace tovalo::cli {

namespace {

// Reads a page size option as a 16-bit whole number; the fallback when it is absent.
std::optional<std::int16_t> pageSize(const Arguments &args, const std::string &name,
                                     std::int16_t fallback, std::string &error) {
    const std::optional<std::string> text = args.value(name);
    if (!text)
        return fallback;
    std::int16_t value = 0;
    const char *end = text->data() + text->size();
    auto [ptr, ec] = std::from_chars(text->data(), end, value);
    if (ec != std::errc() || ptr != end) {
        error = name + " takes a whole number from -32768 to 32767, not " + *text;
        return std::nullopt;
    }
    return value;
}

} // namespace

int runPhone(const std::vector<std::string> &argList) {
    const OptionSpec spec{{"--no-breaks", "--full-width", "--crlf", "--sjis"},
                          {"--height", "--width", "--rule"}};
    std::string error;
    const std::optional<Arguments> args = parseArguments(argList, spec, error);
    if (!args)
        return badUsage(error);
    const std::optional<std::int16_t> height = pageSize(*args, "--height", 6, error);
    if (!height)
        return badUsage(error);
    const std::optional<std::int16_t> width = pageSize(*args, "--width", 8, error);
    if (!width)
        return badUsage(error);
    const std::optional<std::u16string> source = readInputText(args->file, error);
    if (!source)
        return fail(error, kExitFailed);

    phone::PhoneParams params;
    params.H = *height;
    params.W = *width;
    params.Rtn = !args->has("--no-breaks");
    params.ChkChg1 = args->has("--full-width");
    if (auto rule = args->value("--rule"))
        params.MpTsep = argumentText(*rule);

    const phone::PhonePages pages = phone::MpMaker(*source, params);
    if (!pages.ok())
        return fail(phone::describe(pages.fault), kExitFailed);
    if (!writeOutputText(pages.text, {args->has("--crlf"), args->has("--sjis")}))
        return fail("cannot write the result", kExitFailed);
    return kExitOk;
}

} // namespace tovalo::cli
