#pragma once

#include "engine/char_rules.h"
#include "engine/settings.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace tovalo::phone {

// What the page maker returns in place of the pages when it fails.
inline constexpr std::u16string_view kFailureText = u"えらー";

// Why a page build failed. None means it succeeded.
enum class PageFault : std::uint8_t {
    None,
    HeightOutOfRange, // the page height is not 1 to 254 rows
    WidthOutOfRange,  // the page width, one less with line breaks, is not 1 to 254 cells
    SourceTooLong,    // the trimmed text has 32767 code units or more
    TooManyCells,     // the pages would hold more than 32767 cells
    ResultTooLarge,   // the rule text is so long that the pages would not fit in memory
};

// A one-line English description of the fault, for messages on the command line.
const char *describe(PageFault fault);

// One build of the phone pages, as the phone dialog asks for it.
struct PhoneParams {
    std::int16_t height = 6;     // rows per page
    std::int16_t width = 8;      // cells per row, one less with line breaks
    bool lineBreaks = true;      // a line break after every row
    std::u16string rule = u"＊"; // rule text, repeated along the rule lines
    bool fullWidth = false;      // convert every character to its full-width form
    bool verticalForms = false;  // brackets, dashes and arrows in their vertical forms
    bool tateChuYoko = false;    // two half-width digits side by side in one cell
};

// Pages of a size with the rule and the cell options the settings hold.
inline PhoneParams phoneParams(std::int16_t height, std::int16_t width, bool lineBreaks,
                               const engine::Settings &settings) {
    return {.height = height,
            .width = width,
            .lineBreaks = lineBreaks,
            .rule = settings.pageRule,
            .fullWidth = settings.fullWidth,
            .verticalForms = settings.verticalForms,
            .tateChuYoko = settings.tateChuYoko};
}

// What the parameters say about the cells.
inline engine::CellRules cellRulesOf(const PhoneParams &params) {
    return {params.fullWidth, params.verticalForms, params.tateChuYoko};
}

struct PhonePages {
    std::u16string text; // the pages, or the failure text
    PageFault fault = PageFault::None;
    bool ok() const { return fault == PageFault::None; }
};

// Cuts the trimmed source into pages of `height` rows by `width` cells of vertical writing: the
// text runs down the rightmost column of the first page, then down the column to its
// left, page after page. A rule line stands above the first page and under every
// page. Each line break of the source takes one blank cell.
PhonePages MpMaker(std::u16string_view source, const PhoneParams &params);

} // namespace tovalo::phone
