#include "char_rules.h"
#include "convert.h"
#include "numbers.h"

namespace tovalo::engine {

Conversion MakeTate(std::u16string_view source, const ConvParams &params, const Settings &options) {
    const std::u16string_view trimmed = TrimText(source);
    LayoutResult layout = params.fixedLines ? FixedLines(trimmed, params, options)
                                            : FreeLayout(trimmed, params, options);
    return {std::u16string(trimmed), std::move(layout.text), layout.fault};
}

Command Convert(std::u16string_view source, const ParamTexts &texts, const Settings &options) {
    const Reading height = readColHeight(texts.height);
    if (!height.ok())
        return {std::nullopt, {}, height.fault};
    const Reading lines = readLineCount(texts.lines);
    if (!lines.ok())
        return {std::nullopt, {}, lines.fault};
    const Reading margin = readMargin(texts.margin);
    if (!margin.ok())
        return {std::u16string(TrimText(source)), {}, margin.fault};

    const ConvParams params{height.value, lines.value, margin.value, texts.gapOn, texts.fixedLines};
    Conversion conversion = MakeTate(source, params, options);
    return {std::move(conversion.trimmed), std::move(conversion.vertical), conversion.fault};
}

} // namespace tovalo::engine
