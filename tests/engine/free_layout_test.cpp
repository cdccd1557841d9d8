#include "engine/convert.h"
#include "layout_case.h"

namespace tovalo::engine {
namespace {

class FreeLayoutTest : public testing::TestWithParam<LayoutCase> {};

TEST_P(FreeLayoutTest, WritesTheExpectedRows) {
    const LayoutCase &c = GetParam();
    expectLayout(c, FreeLayout(TrimText(c.source), c.params(false), c.options()));
}

const LayoutCase kFreeLayoutCases[] = {
    {.name = "SevenCharacters",
     .source = u"あいうえおかき",
     .height = 3,
     .lines = 3,
     .expected = u"きえあ\r\n  おい\r\n  かう\r\n\u3000\u3000\u3000"},
    {.name = "FullStopHangsUnderThePreviousColumn",
     .source = u"あいう。えお",
     .height = 3,
     .lines = 2,
     .expected = u"えあ\r\nおい\r\n  う\r\n\u3000 ｡"},
    {.name = "BreakOnBottomCellLeavesAnEmptyColumn",
     .source = u"あい\r\nう",
     .height = 3,
     .lines = 3,
     .expected = u"う  あ\r\n    い\r\n      \r\n",
     .shaping = false},
    {.name = "BreakOnTopCellStaysThere",
     .source = u"あいう\r\nえお",
     .height = 3,
     .lines = 3,
     .expected = u"    あ\r\n  えい\r\n  おう\r\n",
     .shaping = false},
    {.name = "MarginSeparatorAndHalfWidthLetters",
     .source = u"ab。c",
     .height = 3,
     .lines = 2,
     .expected = u" |c |a \r\n |  |b \r\n |  | ｡\r\n |\u3000|\u3000",
     .gapOn = true,
     .separatorKind = 4,
     .margin = 1},
    {.name = "TwoSpaceSeparator",
     .source = u"ab\r\n𠮷。",
     .height = 2,
     .lines = 2,
     .expected = u"          a \r\n      𠮷  b \r\n   ｡  \u3000",
     .gapOn = true,
     .separatorKind = 2},
    {.name = "EmptySourceGivesOneEmptyColumn",
     .source = u"\r\n  ",
     .height = 3,
     .lines = 2,
     .expected = u"   \r\n   \r\n   \r\n \u3000 \u3000",
     .gapOn = true},
    {.name = "FirstLineOfOneCharacter",
     .source = u"あ\r\nいう",
     .height = 3,
     .lines = 2,
     .expected = u"いあ\r\nう  \r\n    \r\n",
     .shaping = false},
    {.name = "EmptyLineLeavesItsBlankAtTheTopOfAColumn",
     .source = u"あいう\r\n\r\nえ",
     .height = 3,
     .lines = 3,
     .expected = u"え  あ\r\n    い\r\n    う\r\n",
     .shaping = false},
    {.name = "LoneLfIsAnOrdinaryCell",
     .source = u"あ\nい",
     .height = 3,
     .lines = 1,
     .expected = u"  あ\r\n  \n \r\n  い\r\n",
     .shaping = false},
    {.name = "HungMarkAtTheEndStandsOnlyInTheHangingRow",
     .source = u"あいう。",
     .height = 3,
     .lines = 2,
     .expected = u"  あ\r\n  い\r\n  う\r\n\u3000 ｡"},
    {.name = "MarkAfterABreakJumpHangs",
     .source = u"あい\r\n。う",
     .height = 3,
     .lines = 3,
     .expected = u"う  あ\r\n    い\r\n      \r\n\u3000 ｡\u3000"},
    {.name = "ShapingOffWritesMarksUnchanged",
     .source = u"あいう。",
     .height = 3,
     .lines = 2,
     .expected = u"。あ\r\n  い\r\n  う\r\n",
     .shaping = false},
    {.name = "WideningMakesHalfWidthStopsHang",
     .source = u"abc.",
     .height = 3,
     .lines = 2,
     .expected = u"  ａ\r\n  ｂ\r\n  ｃ\r\n\u3000 .",
     .fullWidth = true},
    {.name = "HalfWidthStopNeverHangs",
     .source = u"abc.",
     .height = 3,
     .lines = 2,
     .expected = u". a \r\n  b \r\n  c \r\n\u3000\u3000"},
    {.name = "HeightOneNeverHangs",
     .source = u"あ。",
     .height = 1,
     .lines = 2,
     .expected = u"   ｡あ\r\n\u3000\u3000"},
    // Corrections over the layout as first written: none of these may fail.
    {.name = "MarkInCellOneStaysThere",
     .source = u"。あ",
     .height = 3,
     .lines = 1,
     .expected = u" ｡\r\nあ\r\n  \r\n\u3000"},
    {.name = "TooFewLinesStillConverts",
     .source = u"あいうえおかき",
     .height = 3,
     .lines = 1,
     .expected = u"きえあ\r\n  おい\r\n  かう\r\n\u3000"},
    {.name = "HangingRowGrowsOnItsLeft",
     .source = u"あいうえおか。き",
     .height = 3,
     .lines = 1,
     .expected = u"きえあ\r\n  おい\r\n  かう\r\n ｡\u3000"},
    {.name = "ManyColumnsWithOneLine",
     .source = std::u16string(40, u'あ'),
     .height = 1,
     .lines = 1,
     .expected = u"  " + std::u16string(40, u'あ') + u"\r\n\u3000"},
    // Cells hold user-perceived characters, as wide as the characters show.
    {.name = "JoinedEmojiAndSkinToneStayWhole",
     .source = u"👨\u200D👩\u200D👧👍🏽",
     .height = 1,
     .lines = 2,
     .expected = u"  👍🏽👨\u200D👩\u200D👧\r\n\u3000\u3000"},
    {.name = "DecomposedKanaAndAccentedLetter",
     .source = u"か\u3099e\u0301#\uFE0F\u20E3",
     .height = 3,
     .lines = 1,
     .expected = u"  か\u3099\r\n  e\u0301 \r\n  #\uFE0F\u20E3\r\n",
     .shaping = false},
    {.name = "MarkWithACombiningCharacterNeitherHangsNorIsShaped",
     .source = u"あ。\u0301",
     .height = 1,
     .lines = 2,
     .expected = u"  。\u0301あ\r\n\u3000\u3000"},
    {.name = "CrLfNeverJoinAndTheWholeCellAfterACrIsSkipped",
     .source = u"あ\r👍🏽い",
     .height = 3,
     .lines = 2,
     .expected = u"いあ\r\n    \r\n    \r\n",
     .shaping = false},
    {.name = "HangingUnderTheColumnsWithAMargin",
     .source = u"あいう。え",
     .height = 3,
     .lines = 2,
     .expected = u"   えあ\r\n     い\r\n     う\r\n   \u3000 ｡",
     .margin = 3},
    // Vertical forms and tate-chu-yoko.
    {.name = "BracketsAndEllipsisStandUpright",
     .source = u"「あ…」",
     .height = 4,
     .lines = 1,
     .expected = u"  ﹁\r\n  あ\r\n  ︙\r\n  ﹂\r\n",
     .shaping = false,
     .verticalForms = true},
    {.name = "TwoDigitsAtTheBottomThenAHungMark",
     .source = u"あい12。",
     .height = 3,
     .lines = 2,
     .expected = u"  あ\r\n  い\r\n  12\r\n\u3000 ｡",
     .tateChuYoko = true},
    {.name = "TwoDigitsAtTheTopOfAColumnAreNotWidened",
     .source = u"あい12a",
     .height = 2,
     .lines = 2,
     .expected = u"  12あ\r\n  ａい\r\n",
     .shaping = false,
     .fullWidth = true,
     .tateChuYoko = true},
};

INSTANTIATE_TEST_SUITE_P(Cases, FreeLayoutTest, testing::ValuesIn(kFreeLayoutCases), caseName);

// Parameters outside the layout's limits fail plainly; no margin the box accepts
// overflows.
TEST(FreeLayout, FailsOutsideItsLimits) {
    const struct {
        std::int32_t height;
        std::int16_t lines;
        std::int32_t margin = 0;
        Fault fault;
    } cases[] = {
        {.height = 0, .lines = 1, .fault = Fault::HeightBelowOne},
        {.height = 3, .lines = 0, .fault = Fault::LinesBelowOne},
        {.height = 3, .lines = 1, .margin = -1, .fault = Fault::MarginNegative},
        {.height = 1 << 30, .lines = 2, .fault = Fault::CellStoreOverflow},
        {.height = 1 << 29, .lines = 1, .fault = Fault::ResultTooLarge},
        {.height = 3, .lines = 1, .margin = 1 << 30, .fault = Fault::ResultTooLarge},
        {.height = 3, .lines = 1, .margin = 2147483646, .fault = Fault::ResultTooLarge},
        {.height = 3, .lines = 1, .margin = 2147483647, .fault = Fault::ResultTooLarge},
    };
    for (const auto &c : cases) {
        const LayoutResult result =
            FreeLayout(u"あ", {c.height, c.lines, c.margin, true, false}, {});
        EXPECT_EQ(result.fault, c.fault) << c.height << " " << c.lines << " " << c.margin;
    }
}

TEST(MakeTate, ReadsTheBoxesInOrderTrimsOnlyAfterHeightAndLinesAndRunsTheChosenLayout) {
    ParamTexts texts{.height = u"3", .lines = u"2.5", .margin = u"0", .gapOn = false};
    Conversion ok = MakeTate(u"\r\nあいう。えお \r\n", texts, {});
    EXPECT_TRUE(ok.ok());
    EXPECT_EQ(ok.trimmed, u"あいう。えお");
    EXPECT_EQ(ok.vertical, u"えあ\r\nおい\r\n  う\r\n\u3000 ｡");
    texts.fixedLines = true;
    EXPECT_EQ(MakeTate(u"あいう。えお", texts, {}).vertical,
              u"＊＊\r\n\r\nえあ\r\nおい\r\n  う\r\n\u3000 ｡\r\n＊＊");

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

} // namespace
} // namespace tovalo::engine
