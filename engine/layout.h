#pragma once

#include "fault.h"
#include "settings.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tovalo::engine {

// The largest result a conversion produces, in UTF-16 code units: a text pane
// cannot show more, and it keeps the memory a single conversion takes bounded.
inline constexpr std::int64_t kMaxResultUnits = std::int64_t{1} << 26;

struct LayoutResult {
    std::u16string text;
    Fault fault = Fault::None;
    bool ok() const { return fault == Fault::None; }
};

// The free layout of an already trimmed source: columns of colHeight cells from right
// to left, a column per source line, hanging punctuation in a row under the text.
LayoutResult FreeLayout(std::u16string_view trimmed, const ConvParams &params,
                        const Settings &settings);

// The fixed-line-count layout of an already trimmed source: pages of at most
// lineCount columns, framed by rule lines of pageRule, each with its own hanging row.
LayoutResult FixedLines(std::u16string_view trimmed, const ConvParams &params,
                        const Settings &settings);

struct LineCount {
    std::int16_t count = 0;
    Fault fault = Fault::None;
    bool ok() const { return fault == Fault::None; }
};

// The estimate the window shows as its number of lines: how many columns the free
// layout needs for the source, once trimmed.
LineCount CountLines(std::u16string_view source, std::int32_t colHeight, const Settings &settings);

} // namespace tovalo::engine
