#include "char_rules.h"
#include "convert.h"
#include "numbers.h"

namespace tovalo::engine {

Conversion MakeTate(std::u16string_view source, const ParamTexts &texts, const Settings &settings) {
    const Reading height = readColHeight(texts.height);
    if (!height.ok())
        return {std::nullopt, {}, height.fault};
    const Reading lines = readLineCount(texts.lines);
    if (!lines.ok())
        return {std::nullopt, {}, lines.fault};
    const std::u16string_view trimmed = TrimText(source);
    const Reading margin = readMargin(texts.margin);
    if (!margin.ok())
        return {std::u16string(trimmed), {}, margin.fault};

    const ConvParams params{height.value, lines.value, margin.value, texts.gapOn, texts.fixedLines};
    LayoutResult layout = params.fixedLines ? FixedLines(trimmed, params, settings)
                                            : FreeLayout(trimmed, params, settings);
    return {std::u16string(trimmed), std::move(layout.text), layout.fault};
}

} // namespace tovalo::engine
