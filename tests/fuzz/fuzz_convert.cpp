// Both layouts give grids of rows of one width that show every character of the source,
// the estimate counts the free layout's columns, and the convert command reads its boxes.

#include "fuzz_support.h"
#include "grid_rows.h"

#include "engine/convert.h"
#include "engine/layout.h"
#include "engine/numbers.h"

#include <algorithm>
#include <cstdint>
#include <string>

namespace tovalo::fuzz {
namespace {

using namespace tovalo::engine;

constexpr std::size_t kMaxSourceUnits = 600;
// With columns this tall a short text already gives a large result.
constexpr std::int32_t kTallColumns = 1000;
constexpr std::size_t kMaxSourceUnitsWhenTall = 48;

// Mostly small margins, sometimes one so large that every conversion fails as too large.
std::int32_t consumeMargin(FuzzedDataProvider &in) {
    const int pick = in.ConsumeIntegralInRange(0, 9);
    return pick < 8    ? pick - 1
           : pick == 8 ? in.ConsumeIntegralInRange<std::int32_t>(kMaxResultUnits, INT32_MAX)
                       : in.ConsumeIntegralInRange<std::int32_t>(INT32_MIN, -1);
}

std::u16string consumeRule(FuzzedDataProvider &in) {
    const int pick = in.ConsumeIntegralInRange(0, 3);
    return pick == 0 ? u"＊" : pick == 1 ? u"" : consumeText(in, 6);
}

std::u16string digitsOf(std::int64_t value) {
    const std::string digits = std::to_string(value);
    return {digits.begin(), digits.end()};
}

// A number as a box holds it: blanks around, and a fraction that rounding takes away.
std::u16string boxText(std::int64_t value, FuzzedDataProvider &in) {
    constexpr std::u16string_view kBlanks[] = {u"", u" ", u"\t", u"\u3000 "};
    constexpr std::u16string_view kFractions[] = {u"", u".0", u".4"};
    std::u16string text =
        std::u16string(kBlanks[in.ConsumeIntegralInRange(0, 3)]) + digitsOf(value);
    if (value >= 0)
        text += kFractions[in.ConsumeIntegralInRange(0, 2)];
    text += kBlanks[in.ConsumeIntegralInRange(0, 3)];
    return text;
}

bool isBreak(char16_t c) {
    return c == u'\r' || c == u'\n';
}
bool isBlankOrBreak(char16_t c) {
    return isBreak(c) || c == u' ' || c == u'\u3000';
}

// The trim drops leading line breaks and trailing blanks and line breaks, nothing else.
void checkTrim(std::u16string_view source, std::u16string_view trimmed) {
    const std::size_t front = trimmed.data() - source.data();
    FUZZ_CHECK(front + trimmed.size() <= source.size());
    FUZZ_CHECK(std::ranges::all_of(source.substr(0, front), isBreak));
    FUZZ_CHECK(std::ranges::all_of(source.substr(front + trimmed.size()), isBlankOrBreak));
    FUZZ_CHECK(trimmed.empty() || (!isBreak(trimmed.front()) && !isBlankOrBreak(trimmed.back())));
}

// The numbers a box may hold read back the same when written out plainly.
void checkNumberReading(std::u16string_view text) {
    const auto readsBack = [text](auto read) {
        const auto reading = read(text);
        return !reading.ok() || read(digitsOf(reading.value)).value == reading.value;
    };
    FUZZ_CHECK(readsBack(readColHeight) && readsBack(readLineCount) && readsBack(readMargin));
}

// Rows begin with the margin, are as wide as each other when measurable, and together
// show every character of the source but those that may hang or stand twice.
struct GridCheck {
    CellRules rules;
    std::u16string_view sep;
    std::u16string margin;
    bool measurable;
    ShownCharacters shown;

    GridCheck(std::u16string_view source, const ConvParams &params, const Settings &options)
        : rules(cellRulesOf(options)), sep(separatorOf(params, options)),
          margin(params.margin, u' '), measurable(!cellsMayJoin(source, rules)),
          shown([this](char32_t ch) { return !hangs(ch); }) {}

    // Blanks, the separator and the full stops and commas, which the hanging row may hold.
    bool hangs(char32_t ch) const {
        return ch == u' ' || ch == u'\u3000' || isMaruChar(ch) ||
               sep.find(static_cast<char16_t>(ch)) != std::u16string_view::npos;
    }

    // Reads a row; a negative width becomes the first row's.
    void row(LineReader &reader, std::int64_t &width) {
        const std::u16string_view row = reader.line();
        FUZZ_CHECK(row.starts_with(margin));
        if (width < 0)
            width = displayWidth(row);
        FUZZ_CHECK(!measurable || displayWidth(row) == width);
        shown.add(row);
    }
};

// colHeight rows ending in CR LF, then the hanging row with shaping. Returns the number
// of columns, or 0 when the rows cannot be measured.
std::int64_t checkFreeLayout(std::u16string_view text, std::u16string_view trimmed,
                             const ConvParams &params, const Settings &options) {
    GridCheck grid(trimmed, params, options);
    LineReader reader(text);
    std::int64_t width = -1;
    for (std::int32_t r = 0; r < params.colHeight; ++r)
        grid.row(reader, width);
    grid.shown.checkAllOf(trimmed, grid.rules);

    // The hanging row holds the margin, blanks, the separator and shaped marks only.
    const std::u16string_view hanging = reader.rest();
    FUZZ_CHECK(options.shaping || hanging.empty());
    FUZZ_CHECK(std::ranges::all_of(hanging, [&](char16_t c) { return grid.hangs(c); }));
    FUZZ_CHECK(!options.shaping || hanging.starts_with(grid.margin));
    if (!grid.measurable)
        return 0;

    const std::int64_t cellWidth = displayWidth(grid.sep) + 2;
    FUZZ_CHECK(width > params.margin && (width - params.margin) % cellWidth == 0);
    const std::int64_t columns = (width - params.margin) / cellWidth;
    // With as many lines as columns, the hanging row's marks stand under their columns.
    if (options.shaping && params.lineCount == columns)
        FUZZ_CHECK(displayWidth(hanging) == width);
    return columns;
}

// A rule line, then pages of colHeight rows, a hanging row (empty without shaping) and
// the rule again. A rule that the final trim would shorten is not checked.
void checkFixedLines(std::u16string_view text, std::u16string_view trimmed,
                     const ConvParams &params, const Settings &options) {
    GridCheck grid(trimmed, params, options);
    const std::u16string unit = std::u16string(grid.sep) + options.pageRule;
    if (unit.empty() || isBreak(unit.front()) || isBlankOrBreak(unit.back()))
        return;
    const LineCount estimate = CountLines(trimmed, params.colHeight, options);
    FUZZ_CHECK(estimate.ok());
    const std::int64_t columns = std::min<std::int64_t>(params.lineCount, estimate.count);
    std::u16string rule;
    for (std::int64_t c = 0; c < columns; ++c)
        rule += unit;
    rule += u"\r\n\r\n";

    std::int64_t width = params.margin + columns * (displayWidth(grid.sep) + 2);
    const std::u16string whole = std::u16string(text) + u"\r\n\r\n";
    LineReader reader(whole);
    reader.expect(rule);
    do { // at least one page
        for (std::int32_t r = 0; r < params.colHeight; ++r)
            grid.row(reader, width);
        if (options.shaping) {
            const std::u16string_view hanging = reader.line();
            FUZZ_CHECK(hanging.starts_with(grid.margin) && displayWidth(hanging) == width);
        } else {
            reader.expect(u"\r\n");
        }
        reader.expect(rule);
    } while (!reader.atEnd());
    grid.shown.checkAllOf(trimmed, grid.rules);
}

} // namespace
} // namespace tovalo::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    using namespace tovalo::engine;
    using namespace tovalo::fuzz;
    FuzzedDataProvider in(data, size);

    Settings options;
    options.separatorKind = in.ConsumeIntegralInRange<std::int16_t>(0, 6);
    options.barForLongVowel = in.ConsumeBool();
    options.fullWidth = in.ConsumeBool();
    options.verticalForms = in.ConsumeBool();
    options.tateChuYoko = in.ConsumeBool();
    options.shaping = in.ConsumeBool();
    ConvParams params;
    // Mostly small values, sometimes one past a limit (the unit tests hold 32767 cells).
    params.colHeight =
        consumeSmallOrEdge(in, {kTallColumns + 1, 1 << 29, INT32_MAX, INT32_MIN, -1});
    params.lineCount = consumeSmallOrEdge<std::int16_t>(in, {32767, -32768, -1});
    params.margin = consumeMargin(in);
    params.gapOn = in.ConsumeBool();
    ConvParams fixedParams = params;
    fixedParams.fixedLines = true;
    const bool commandFixed = in.ConsumeBool();
    const ParamTexts boxes{boxText(params.colHeight, in), boxText(params.lineCount, in),
                           boxText(params.margin, in), params.gapOn, commandFixed};
    options.pageRule = consumeRule(in);
    checkNumberReading(consumeText(in, 12));
    const std::u16string source = consumeText(
        in, params.colHeight > kTallColumns ? kMaxSourceUnitsWhenTall : kMaxSourceUnits, true);

    const std::u16string_view trimmed = TrimText(source);
    checkTrim(source, trimmed);

    const LayoutResult free = FreeLayout(trimmed, params, options);
    if (free.ok()) {
        const std::int64_t columns = checkFreeLayout(free.text, trimmed, params, options);
        // Half-width marks hang in the estimate only.
        if (columns > 0 && (options.fullWidth || trimmed.find_first_of(u".,｡､") == trimmed.npos)) {
            const LineCount estimate = CountLines(source, params.colHeight, options);
            FUZZ_CHECK(estimate.ok() && estimate.count == columns);
        }
    }
    const LayoutResult fixed = FixedLines(trimmed, fixedParams, options);
    if (fixed.ok())
        checkFixedLines(fixed.text, trimmed, fixedParams, options);

    const Conversion command = MakeTate(source, boxes, options);
    const LayoutResult &expected = commandFixed ? fixed : free;
    FUZZ_CHECK(command.fault == expected.fault);
    FUZZ_CHECK(command.trimmed && *command.trimmed == trimmed);
    FUZZ_CHECK(command.vertical == expected.text);
    return 0;
}
