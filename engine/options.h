#pragma once

#include "char_rules.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace tovalo::engine {

// The persistent options of a conversion, as the main window holds them.
struct ConvOptions {
    std::int16_t Spc12A = 1;       // kind of separator between columns, 1 to 5
    bool ChkChg0 = false;          // "ー → ｜": kept and saved; the rule always applies
    bool ChkChg1 = false;          // convert every character to its full-width form
    bool maruFix = true;           // punctuation shaping
    std::u16string MpTsep = u"＊"; // rule text of the fixed-line-count pages
    bool verticalForms = false;    // brackets, dashes and arrows in their vertical forms
    bool tateChuYoko = false;      // two half-width digits side by side in one cell
};

// The parameters of one conversion, read from the window's controls.
struct ConvParams {
    std::int32_t colHeight = 10; // cells per column
    std::int16_t lineCount = 5;  // expected (free) or largest (fixed) number of columns
    std::int32_t margin = 0;     // half-width spaces before every row
    bool gapOn = true;           // separator before every cell
    bool fixedLines = false;     // fixed-line-count layout instead of the free one
};

// What the options say about the cells.
inline CellRules cellRulesOf(const ConvOptions &options) {
    return {options.ChkChg1, options.verticalForms, options.tateChuYoko};
}

// The separator text chosen by Spc12A; the empty text for any value outside 1 to 5.
std::u16string_view separatorFor(std::int16_t spc12A);

// The separator a conversion uses: the chosen one when the gap is on, else none.
inline std::u16string_view separatorOf(const ConvParams &params, const ConvOptions &options) {
    return params.gapOn ? separatorFor(options.Spc12A) : std::u16string_view{};
}

} // namespace tovalo::engine
