#include "arguments.h"
#include "commands.h"
#include "phone/page_maker.h"
#include "text_io.h"

#include <cstdint>
#include <string>

namespace tovalo::cli {

int runPhone(const std::vector<std::string> &argList) {
    const AcceptedOptions accepted{
        {"--no-breaks", "--full-width", "--vertical-forms", "--tate-chu-yoko", "--crlf", "--sjis"},
        {"--height", "--width", "--rule"}};
    std::string error;
    const std::optional<Arguments> args = parseArguments(argList, accepted, error);
    if (!args)
        return badUsage(error);
    const std::optional<std::int16_t> height = args->wholeNumber("--height", 6, error);
    if (!height)
        return badUsage(error);
    const std::optional<std::int16_t> width = args->wholeNumber("--width", 8, error);
    if (!width)
        return badUsage(error);
    const std::optional<std::u16string> source = readInputText(args->file, error);
    if (!source)
        return fail(error, kExitFailed);

    phone::PhoneParams params;
    params.height = *height;
    params.width = *width;
    params.lineBreaks = !args->has("--no-breaks");
    params.fullWidth = args->has("--full-width");
    params.verticalForms = args->has("--vertical-forms");
    params.tateChuYoko = args->has("--tate-chu-yoko");
    if (auto rule = args->value("--rule"))
        params.rule = argumentText(*rule);

    const phone::PhonePages pages = phone::MpMaker(*source, params);
    if (!pages.ok())
        return fail(phone::describe(pages.fault), kExitFailed);
    if (!writeOutputText(pages.text, {args->has("--crlf"), args->has("--sjis")}, error))
        return fail(error, kExitFailed);
    return kExitOk;
}

} // namespace tovalo::cli
