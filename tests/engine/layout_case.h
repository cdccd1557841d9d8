#pragma once

#include "engine/char_rules.h"
#include "engine/layout.h"

#include <gtest/gtest.h>
#include <string>

namespace tovalo::engine {

// One layout run: the source, the parameters and options that matter, and either
// the expected text or the expected fault.
struct LayoutCase {
    std::string name;
    std::u16string source;
    std::int32_t height;
    std::int16_t lines;
    std::u16string expected;
    Fault fault = Fault::None;
    bool shaping = true;
    bool gapOn = false;
    std::int16_t separatorKind = 1;
    std::int32_t margin = 0;
    bool fullWidth = false;
    std::u16string rule = u"＊";
    bool verticalForms = false;
    bool tateChuYoko = false;

    ConvParams params(bool fixed) const { return {height, lines, margin, gapOn, fixed}; }
    Settings options() const {
        return {.separatorKind = separatorKind,
                .fullWidth = fullWidth,
                .shaping = shaping,
                .pageRule = rule,
                .verticalForms = verticalForms,
                .tateChuYoko = tateChuYoko};
    }
};

inline void PrintTo(const LayoutCase &c, std::ostream *os) {
    *os << c.name;
}

inline std::string caseName(const testing::TestParamInfo<LayoutCase> &info) {
    return info.param.name;
}

inline void expectLayout(const LayoutCase &c, const LayoutResult &result) {
    EXPECT_EQ(result.fault, c.fault) << describe(result.fault);
    if (c.fault == Fault::None) {
        EXPECT_EQ(result.text, c.expected);
    }
}

} // namespace tovalo::engine
