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
                        const Settings &options);

// The fixed-line-count layout of an already trimmed source: pages of at most
// lineCount columns, framed by rule lines of pageRule, each with its own hanging row.
LayoutResult FixedLines(std::u16string_view trimmed, const ConvParams &params,
                        const Settings &options);

struct LineCount {
    std::int16_t count = 0;
    Fault fault = Fault::None;
    bool ok() const { return fault == Fault::None; }
};

// How many columns the free layout needs for an already trimmed source.
LineCount countColumns(std::u16string_view trimmed, std::int32_t colHeight,
                       const Settings &options);

struct Conversion {
    std::u16string trimmed;  // the source as the source pane receives it
    std::u16string vertical; // the vertical text; empty on failure
    Fault fault = Fault::None;
    bool ok() const { return fault == Fault::None; }
};

// Trims the source and lays it out, by the fixed-line-count layout when
// params.fixedLines is set and by the free layout otherwise.
Conversion MakeTate(std::u16string_view source, const ConvParams &params, const Settings &options);

struct Estimate {
    std::u16string trimmed;
    std::int16_t count = 0;
    Fault fault = Fault::None;
    bool ok() const { return fault == Fault::None; }
};

// The estimate the window shows as its number of lines: the trimmed source and
// the free layout's column count for it.
Estimate CountLines(std::u16string_view source, std::int32_t colHeight, const Settings &options);

} // namespace tovalo::engine
