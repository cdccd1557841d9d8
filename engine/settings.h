#pragma once

#include "char_rules.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace tovalo::engine {

// The user's settings, as the options dialog and the phone dialog edit them and the
// settings file keeps them. The conversion reads the first five and the last two (which
// the settings file does not keep).
struct Settings {
    std::int16_t separatorKind = 1;  // kind of separator between columns, 1 to 5
    bool barForLongVowel = false;    // "ー → ｜": kept and saved; the rule always applies
    bool fullWidth = false;          // convert every character to its full-width form
    bool shaping = true;             // punctuation shaping
    std::u16string pageRule = u"＊"; // rule text of phone pages and fixed-line-count pages
    std::int16_t startText = 1;      // start-up text: 1 the manual, 2 blank, 3 the last texts
    std::u16string mailProgram;      // full path of the mail program
    bool verticalForms = false;      // brackets, dashes and arrows in their vertical forms
    bool tateChuYoko = false;        // two half-width digits side by side in one cell
};

// What the settings say about the cells.
inline CellRules cellRulesOf(const Settings &settings) {
    return {settings.fullWidth, settings.verticalForms, settings.tateChuYoko};
}

// The parameters of one conversion, read from the window's controls.
struct ConvParams {
    std::int32_t colHeight = 10; // cells per column
    std::int16_t lineCount = 5;  // expected (free) or largest (fixed) number of columns
    std::int32_t margin = 0;     // half-width spaces before every row
    bool gapOn = true;           // separator before every cell
    bool fixedLines = false;     // fixed-line-count layout instead of the free one
};

// The separator text chosen by separatorKind; the empty text for any value outside 1 to 5.
std::u16string_view separatorFor(std::int16_t separatorKind);

// The separator a conversion uses: the chosen one when the gap is on, else none.
inline std::u16string_view separatorOf(const ConvParams &params, const Settings &settings) {
    return params.gapOn ? separatorFor(settings.separatorKind) : std::u16string_view{};
}

} // namespace tovalo::engine
