#pragma once

#include "layout.h"

#include <optional>
#include <string>

namespace tovalo::engine {

// The parameter controls as texts and check states, as the window holds them.
struct ParamTexts {
    std::u16string height = u"10";
    std::u16string lines = u"5";
    std::u16string margin = u"0";
    bool gapOn = true;
    bool fixedLines = false;
};

struct Conversion {
    // The trimmed source, once the command has come as far as trimming it (height
    // and lines were read); the source pane then shows it even when the layout fails.
    std::optional<std::u16string> trimmed;
    std::u16string vertical; // the vertical text; empty on failure
    Fault fault = Fault::None;
    bool ok() const { return fault == Fault::None; }
};

// The convert command without a window: reads the height and the number of lines,
// trims the source, reads the margin, and lays the text out, by the fixed-line-count
// layout when texts.fixedLines is set and by the free layout otherwise.
Conversion MakeTate(std::u16string_view source, const ParamTexts &texts, const Settings &settings);

// What the vertical pane shows when a conversion fails.
inline constexpr std::u16string_view kFailureText = u"\r\nえらー";

} // namespace tovalo::engine
