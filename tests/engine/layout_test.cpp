#include "engine/convert.h"
#include "engine/layout.h"

#include <gtest/gtest.h>

namespace tovalo::engine {
namespace {

std::u16string repeated(std::u16string_view piece, int n) {
    std::u16string out;
    for (int i = 0; i < n; ++i)
        out += piece;
    return out;
}

// What a layout run changes from the start values.
struct With {
    bool fixed = false; // the fixed-line-count layout instead of the free one
    bool shaping = true;
    bool gapOn = false;
    std::int16_t separatorKind = 1;
    std::int32_t margin = 0;
    bool fullWidth = false;
    std::u16string rule = u"＊";
    bool verticalForms = false;
    bool tateChuYoko = false;
};

// One layout run and the text it writes.
struct LayoutCase {
    std::string name;
    std::u16string source;
    std::int32_t height;
    std::int16_t lines;
    std::u16string expected;
    With o = {};
};

class LayoutTest : public testing::TestWithParam<LayoutCase> {};

TEST_P(LayoutTest, WritesTheExpectedRows) {
    const LayoutCase &c = GetParam();
    const With &o = c.o;
    const ConvParams params{c.height, c.lines, o.margin, o.gapOn, o.fixed};
    const Settings options{.separatorKind = o.separatorKind,
                           .fullWidth = o.fullWidth,
                           .shaping = o.shaping,
                           .pageRule = o.rule,
                           .verticalForms = o.verticalForms,
                           .tateChuYoko = o.tateChuYoko};
    const LayoutResult result =
        (o.fixed ? FixedLines : FreeLayout)(TrimText(c.source), params, options);
    EXPECT_EQ(result.fault, Fault::None) << describe(result.fault);
    EXPECT_EQ(result.text, c.expected);
}

const LayoutCase kLayoutCases[] = {
    {"BreakOnBottomCellLeavesAnEmptyColumn", u"あい\r\nう", 3, 3, u"う  あ\r\n    い\r\n      \r\n",
     With{.shaping = false}},
    {"BreakOnTopCellStaysThere", u"あいう\r\nえお", 3, 3, u"    あ\r\n  えい\r\n  おう\r\n",
     With{.shaping = false}},
    {"MarginSeparatorAndHalfWidthLetters", u"ab。c", 3, 2,
     u" |c |a \r\n |  |b \r\n |  | ｡\r\n |\u3000|\u3000",
     With{.gapOn = true, .separatorKind = 4, .margin = 1}},
    {"TwoSpaceSeparator", u"ab\r\n𠮷。", 2, 2, u"          a \r\n      𠮷  b \r\n   ｡  \u3000",
     With{.gapOn = true, .separatorKind = 2}},
    {"EmptyLineLeavesItsBlankAtTheTopOfAColumn", u"あいう\r\n\r\nえ", 3, 3,
     u"え  あ\r\n    い\r\n    う\r\n", With{.shaping = false}},
    {"LoneLfIsAnOrdinaryCell", u"あ\nい", 3, 1, u"  あ\r\n  \n \r\n  い\r\n",
     With{.shaping = false}},
    {"HungMarkAtTheEndStandsOnlyInTheHangingRow", u"あいう。", 3, 2,
     u"  あ\r\n  い\r\n  う\r\n\u3000 ｡"},
    {"MarkAfterABreakJumpHangs", u"あい\r\n。う", 3, 3,
     u"う  あ\r\n    い\r\n      \r\n\u3000 ｡\u3000"},
    {"ShapingOffWritesMarksUnchanged", u"あいう。", 3, 2, u"。あ\r\n  い\r\n  う\r\n",
     With{.shaping = false}},
    {"WideningMakesHalfWidthStopsHang", u"abc.", 3, 2, u"  ａ\r\n  ｂ\r\n  ｃ\r\n\u3000 .",
     With{.fullWidth = true}},
    {"HalfWidthStopNeverHangs", u"abc.", 3, 2, u". a \r\n  b \r\n  c \r\n\u3000\u3000"},
    {"HeightOneNeverHangs", u"あ。", 1, 2, u"   ｡あ\r\n\u3000\u3000"},
    // Corrections over the layout as first written: none of these may fail.
    {"MarkInCellOneStaysThere", u"。あ", 3, 1, u" ｡\r\nあ\r\n  \r\n\u3000"},
    {"TooFewLinesStillConverts", u"あいうえおかき", 3, 1, u"きえあ\r\n  おい\r\n  かう\r\n\u3000"},
    {"HangingRowGrowsOnItsLeft", u"あいうえおか。き", 3, 1,
     u"きえあ\r\n  おい\r\n  かう\r\n ｡\u3000"},
    {"ManyColumnsWithOneLine", std::u16string(40, u'あ'), 1, 1,
     u"  " + std::u16string(40, u'あ') + u"\r\n\u3000"},
    // Cells hold user-perceived characters, as wide as the characters show.
    {"DecomposedKanaAndAccentedLetter", u"か\u3099e\u0301#\uFE0F\u20E3", 3, 1,
     u"  か\u3099\r\n  e\u0301 \r\n  #\uFE0F\u20E3\r\n", With{.shaping = false}},
    {"MarkWithACombiningCharacterNeitherHangsNorIsShaped", u"あ。\u0301", 1, 2,
     u"  。\u0301あ\r\n\u3000\u3000"},
    {"JoinedEmojiAndSkinToneStayWhole", u"👨\u200D👩\u200D👧👍🏽", 1, 2,
     u"  👍🏽👨\u200D👩\u200D👧\r\n\u3000\u3000"},
    {"CrLfNeverJoinAndTheWholeCellAfterACrIsSkipped", u"あ\r👍🏽い", 3, 2,
     u"いあ\r\n    \r\n    \r\n", With{.shaping = false}},
    {"HangingUnderTheColumnsWithAMargin", u"あいう。え", 3, 2,
     u"   えあ\r\n     い\r\n     う\r\n   \u3000 ｡", With{.margin = 3}},
    // Vertical forms and tate-chu-yoko.
    {"TwoDigitsAtTheBottomThenAHungMark", u"あい12。", 3, 2, u"  あ\r\n  い\r\n  12\r\n\u3000 ｡",
     With{.tateChuYoko = true}},
    {"TwoDigitsAtTheTopOfAColumnAreNotWidened", u"あい12a", 2, 2, u"  12あ\r\n  ａい\r\n",
     With{.shaping = false, .fullWidth = true, .tateChuYoko = true}},
    {"PagesTwoPagesWithShapingAndSeparator", u"あいうえおかきくけこ", 3, 2,
     u"|＊|＊\r\n\r\n|え|あ\r\n|お|い\r\n|か|う\r\n|\u3000|\u3000\r\n|＊|＊\r\n\r\n"
     u"|こ|き\r\n|  |く\r\n|  |け\r\n|\u3000|\u3000\r\n|＊|＊",
     With{.fixed = true, .gapOn = true, .separatorKind = 4}},
    {"PagesWidthNarrowedToTheEstimateAndCommaHangs", u"あいう、えお", 3, 5,
     u"＊＊\r\n\r\nえあ\r\nおい\r\n  う\r\n\u3000 ､\r\n＊＊", With{.fixed = true}},
    {"PagesMarkOpeningAPageHangsUnderThePageBefore", u"あいうえ。お", 2, 1,
     u"＊\r\n\r\nあ\r\nい\r\n\u3000\r\n＊\r\n\r\nう\r\nえ\r\n ｡\r\n＊\r\n\r\nお\r\n"
     u"  \r\n\u3000\r\n＊",
     With{.fixed = true}},
    {"PagesPageEndingExactlyGetsAnEmptyPage", u"あい", 2, 1,
     u"＊\r\n\r\nあ\r\nい\r\n\r\n＊\r\n\r\n  \r\n  \r\n\r\n＊",
     With{.fixed = true, .shaping = false}},
    {"PagesEmptyRulesAreTrimmedAway", u"あ", 1, 1, u"あ",
     With{.fixed = true, .shaping = false, .rule = u""}},
    {"PagesMarkInCellOneStaysThere", u"。あ", 3, 5, u"＊\r\n\r\n ｡\r\nあ\r\n  \r\n\u3000\r\n＊",
     With{.fixed = true}},
    {"PagesTwelfthPageHasItsHangingRow", repeated(u"あ", 24) + u"。", 2, 1,
     u"＊\r\n\r\n" + repeated(u"あ\r\nあ\r\n\u3000\r\n＊\r\n\r\n", 11) +
         u"あ\r\nあ\r\n ｡\r\n＊\r\n\r\n  \r\n  \r\n\u3000\r\n＊",
     With{.fixed = true}},
};

INSTANTIATE_TEST_SUITE_P(Cases, LayoutTest, testing::ValuesIn(kLayoutCases),
                         [](const auto &info) { return info.param.name; });

// Parameters outside the layout's limits fail plainly; no margin the box accepts
// overflows.
TEST(Layouts, FailOutsideTheirLimits) {
    const struct {
        bool fixed = false;
        std::u16string source = u"あ";
        std::int32_t height;
        std::int16_t lines = 1;
        std::int32_t margin = 0;
        Fault fault;
    } cases[] = {
        {.height = 0, .fault = Fault::HeightBelowOne},
        {.height = 3, .lines = 0, .fault = Fault::LinesBelowOne},
        {.height = 3, .margin = -1, .fault = Fault::MarginNegative},
        {.height = 1 << 30, .lines = 2, .fault = Fault::CellStoreOverflow},
        {.height = 1 << 29, .fault = Fault::ResultTooLarge},
        {.height = 3, .margin = 1 << 30, .fault = Fault::ResultTooLarge},
        {.height = 3, .margin = 2147483646, .fault = Fault::ResultTooLarge},
        {.height = 3, .margin = 2147483647, .fault = Fault::ResultTooLarge},
        {.source = u"あ\r\nい", .height = 1 << 29, .fault = Fault::ResultTooLarge},
        {.fixed = true,
         .source = std::u16string(32767, u'あ'),
         .height = 3,
         .fault = Fault::SourceTooLong},
        {.fixed = true,
         .source = repeated(u"あ\r\n", 4000),
         .height = 10,
         .fault = Fault::CellIndexOverflow},
        {.fixed = true, .height = 32768, .fault = Fault::HeightTooLarge},
        {.fixed = true, .height = 0, .fault = Fault::HeightBelowOne},
    };
    for (const auto &c : cases) {
        const ConvParams params{c.height, c.lines, c.margin, !c.fixed, c.fixed};
        EXPECT_EQ((c.fixed ? FixedLines : FreeLayout)(c.source, params, {}).fault, c.fault)
            << c.fixed << " " << c.height << " " << c.lines << " " << c.margin;
    }
}

TEST(MakeTate, ReadsTheBoxesInOrderTrimsOnlyAfterHeightAndLinesAndRunsTheChosenLayout) {
    ParamTexts texts{.height = u"3", .lines = u"2.5", .margin = u"0", .gapOn = false};
    Conversion ok = MakeTate(u"\r\nあいう。えお \r\n", texts, {});
    EXPECT_EQ(ok.trimmed, u"あいう。えお");
    EXPECT_EQ(ok.vertical, u"えあ\r\nおい\r\n  う\r\n\u3000 ｡");

    texts.height = u"x";
    Conversion badHeight = MakeTate(u"あ\r\n", texts, {});
    EXPECT_EQ(badHeight.fault, Fault::HeightNotNumber);
    EXPECT_FALSE(badHeight.trimmed);

    texts.height = u"3";
    texts.margin = u"";
    Conversion badMargin = MakeTate(u"あ\r\n", texts, {});
    EXPECT_EQ(badMargin.fault, Fault::MarginNotNumber);
    EXPECT_EQ(badMargin.trimmed, u"あ");
}

TEST(CountLines, CountsTheColumnsOfTheFreeLayoutAndFailsOnBadHeights) {
    const struct {
        std::u16string source;
        std::int32_t height;
        bool fullWidth = false;
        std::int16_t count = 0;
        Fault fault = Fault::None;
    } cases[] = {
        // The half-width stop hangs here although the layout never hangs it.
        {.source = u"abc.de", .height = 3, .count = 2},
        {.source = u"abc.de", .height = 3, .fullWidth = true, .count = 2},
        {.source = u"𠮷𠮷𠮷𠮷", .height = 2, .count = 3},
        // Short lines with tall columns count on without any store limit.
        {.source = u"あ\r\nい\r\nう\r\nえ", .height = 10, .count = 4},
        {.source = u"\r\n\r\nあ \r\n\r\n", .height = 3, .count = 1},
        {.source = std::u16string(32766, u'あ'), .height = 1, .count = 32767},
        {.source = u"あ", .height = 0, .fault = Fault::HeightBelowOne},
        {.source = u"あ\r\nい", .height = 2147483647, .fault = Fault::CursorOverflow},
        {.source = std::u16string(32767, u'あ'), .height = 1, .fault = Fault::ColumnCountOverflow},
    };
    for (const auto &c : cases) {
        const LineCount e = CountLines(c.source, c.height, {.fullWidth = c.fullWidth});
        EXPECT_EQ(e.fault, c.fault) << c.source.size();
        EXPECT_EQ(e.ok() ? e.count : 0, c.count) << c.source.size();
    }
}

} // namespace
} // namespace tovalo::engine
