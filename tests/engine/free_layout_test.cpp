#include "engine/convert.h"
#include "layout_case.h"

#include <random>

namespace tovalo::engine {
namespace {

class FreeLayoutTest : public testing::TestWithParam<LayoutCase> {};

TEST_P(FreeLayoutTest, WritesTheExpectedRows) {
    const LayoutCase &c = GetParam();
    expectLayout(c, FreeLayout(TrimText(c.source), c.params(false), c.options()));
}

INSTANTIATE_TEST_SUITE_P(
    Examples, FreeLayoutTest,
    testing::Values(
        LayoutCase{"SevenCharacters", u"あいうえおかき", 3, 3,
                   u"きえあ\r\n  おい\r\n  かう\r\n\u3000\u3000\u3000"},
        LayoutCase{"FullStopHangsUnderThePreviousColumn", u"あいう。えお", 3, 2,
                   u"えあ\r\nおい\r\n  う\r\n\u3000 ｡"},
        LayoutCase{"BreakOnBottomCellLeavesAnEmptyColumn", u"あい\r\nう", 3, 3,
                   u"う  あ\r\n    い\r\n      \r\n", Fault::None, false},
        LayoutCase{"BreakOnTopCellStaysThere", u"あいう\r\nえお", 3, 3,
                   u"    あ\r\n  えい\r\n  おう\r\n", Fault::None, false},
        LayoutCase{"MarginSeparatorAndHalfWidthLetters", u"ab。c", 3, 2,
                   u" |c |a \r\n |  |b \r\n |  | ｡\r\n |\u3000|\u3000", Fault::None, true, true, 4,
                   1},
        LayoutCase{"TwoSpaceSeparator", u"ab\r\n𠮷。", 2, 2,
                   u"          a \r\n      𠮷  b \r\n   ｡  \u3000", Fault::None, true, true, 2},
        LayoutCase{"FullWidthSeparators", u"あ", 2, 1, u"\u3000あ\r\n\u3000  \r\n\u3000\u3000",
                   Fault::None, true, true, 3},
        LayoutCase{"EmptySourceGivesOneEmptyColumn", u"\r\n  ", 3, 2,
                   u"   \r\n   \r\n   \r\n \u3000 \u3000", Fault::None, true, true},
        LayoutCase{"FirstLineOfOneCharacter", u"あ\r\nいう", 3, 2, u"いあ\r\nう  \r\n    \r\n",
                   Fault::None, false},
        LayoutCase{"EmptyLineLeavesItsBlankAtTheTopOfAColumn", u"あいう\r\n\r\nえ", 3, 3,
                   u"え  あ\r\n    い\r\n    う\r\n", Fault::None, false},
        LayoutCase{"LoneLfIsAnOrdinaryCell", u"あ\nい", 3, 1, u"  あ\r\n  \n \r\n  い\r\n",
                   Fault::None, false},
        LayoutCase{"MarginTwoAlsoLeadsTheHangingRow", u"あ", 1, 1, u"    あ\r\n  \u3000",
                   Fault::None, true, false, 1, 2},
        LayoutCase{"HungMarkAtTheEndStandsOnlyInTheHangingRow", u"あいう。", 3, 2,
                   u"  あ\r\n  い\r\n  う\r\n\u3000 ｡"},
        LayoutCase{"MarkAfterABreakJumpHangs", u"あい\r\n。う", 3, 3,
                   u"う  あ\r\n    い\r\n      \r\n\u3000 ｡\u3000"},
        LayoutCase{"ShapingOffWritesMarksUnchanged", u"あいう。", 3, 2, u"。あ\r\n  い\r\n  う\r\n",
                   Fault::None, false},
        LayoutCase{"WideningMakesHalfWidthStopsHang", u"abc.", 3, 2,
                   u"  ａ\r\n  ｂ\r\n  ｃ\r\n\u3000 .", Fault::None, true, false, 1, 0, true},
        LayoutCase{"HalfWidthStopNeverHangs", u"abc.", 3, 2,
                   u". a \r\n  b \r\n  c \r\n\u3000\u3000"},
        LayoutCase{"HeightOneNeverHangs", u"あ。", 1, 2, u"   ｡あ\r\n\u3000\u3000"},
        LayoutCase{"HeightBelowOne", u"あ", 0, 1, u"", Fault::HeightBelowOne},
        LayoutCase{"LinesBelowOne", u"あ", 3, 0, u"", Fault::LinesBelowOne},
        LayoutCase{"NegativeMargin", u"あ", 3, 1, u"", Fault::MarginNegative, true, false, 1, -1},
        LayoutCase{"CellStoreBeyond32Bits", u"あ", 1 << 30, 2, u"", Fault::CellStoreOverflow},
        LayoutCase{"HugeResultIsRefused", u"あ", 1 << 29, 1, u"", Fault::ResultTooLarge},
        LayoutCase{"HugeMarginIsRefused", u"あ", 10, 1, u"", Fault::ResultTooLarge, true, false, 1,
                   1 << 30}),
    caseName);

// Corrections over the layout as first written: none of these may fail.
INSTANTIATE_TEST_SUITE_P(
    Corrections, FreeLayoutTest,
    testing::Values(LayoutCase{"SurrogatePairIsOneCell", u"𠮷あ", 2, 1, u"  𠮷\r\n  あ\r\n\u3000"},
                    LayoutCase{"SurrogatePairAfterABreakIsSkippedWhole", u"あ\r😀い", 3, 2,
                               u"いあ\r\n    \r\n    \r\n", Fault::None, false},
                    LayoutCase{"MarkInCellOneStaysThere", u"。あ", 3, 1,
                               u" ｡\r\nあ\r\n  \r\n\u3000"},
                    LayoutCase{"TooFewLinesStillConverts", u"あいうえおかき", 3, 1,
                               u"きえあ\r\n  おい\r\n  かう\r\n\u3000"},
                    LayoutCase{"HangingRowGrowsOnItsLeft", u"あいうえおか。き", 3, 1,
                               u"きえあ\r\n  おい\r\n  かう\r\n ｡\u3000"},
                    LayoutCase{"ManyColumnsWithOneLine", std::u16string(40, u'あ'), 1, 1,
                               u"  " + std::u16string(40, u'あ') + u"\r\n\u3000"}),
    caseName);

// Cells hold user-perceived characters, as wide as the characters show.
INSTANTIATE_TEST_SUITE_P(
    Cells, FreeLayoutTest,
    testing::Values(LayoutCase{.name = "EmojiAndFlagAreFullWidth",
                               .source = u"😀🇯🇵あ",
                               .height = 3,
                               .lines = 1,
                               .expected = u"  😀\r\n  🇯🇵\r\n  あ\r\n\u3000"},
                    LayoutCase{.name = "JoinedEmojiAndSkinToneStayWhole",
                               .source = u"👨\u200D👩\u200D👧👍🏽",
                               .height = 1,
                               .lines = 2,
                               .expected = u"  👍🏽👨\u200D👩\u200D👧\r\n\u3000\u3000"},
                    LayoutCase{.name = "DecomposedKanaAndAccentedLetter",
                               .source = u"か\u3099e\u0301#\uFE0F\u20E3",
                               .height = 3,
                               .lines = 1,
                               .expected = u"  か\u3099\r\n  e\u0301 \r\n  #\uFE0F\u20E3\r\n",
                               .shaping = false},
                    LayoutCase{.name = "HalfWidthKatakanaAndSoundMarkAreTwoCells",
                               .source = u"ｶﾞ",
                               .height = 2,
                               .lines = 1,
                               .expected = u"  ｶ \r\n  ﾞ \r\n",
                               .shaping = false},
                    LayoutCase{.name = "WidenedSoundMarkIsTheSpacingMark",
                               .source = u"ｶﾞ",
                               .height = 2,
                               .lines = 1,
                               .expected = u"  カ\r\n  ゛\r\n",
                               .shaping = false,
                               .fullWidth = true},
                    LayoutCase{.name = "MarkWithACombiningCharacterNeitherHangsNorIsShaped",
                               .source = u"あ。\u0301",
                               .height = 1,
                               .lines = 2,
                               .expected = u"  。\u0301あ\r\n\u3000\u3000"},
                    LayoutCase{.name = "CrLfNeverJoinAndTheWholeCellAfterACrIsSkipped",
                               .source = u"あ\r👍🏽い",
                               .height = 3,
                               .lines = 2,
                               .expected = u"いあ\r\n    \r\n    \r\n",
                               .shaping = false},
                    LayoutCase{.name = "HangingUnderTheColumnsWithAMargin",
                               .source = u"あいう。え",
                               .height = 3,
                               .lines = 2,
                               .expected = u"   えあ\r\n     い\r\n     う\r\n   \u3000 ｡",
                               .margin = 3}),
    caseName);

// Every margin the box accepts converts or fails plainly, without overflow.
TEST(FreeLayout, LargestMarginsFailAsTooLarge) {
    for (std::int32_t margin : {2147483647, 2147483646, 1 << 30}) {
        const LayoutResult result = FreeLayout(u"あ", {3, 1, margin, true, false}, {});
        EXPECT_EQ(result.fault, Fault::ResultTooLarge) << margin;
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

// On random texts of the characters that matter (marks, breaks, letters, wide
// characters, surrogate pairs; no half-width marks), every one of the H rows holds
// exactly as many cells as the estimate says.
TEST(FreeLayoutProperty, EveryRowHoldsTheEstimatedColumns) {
    const std::u16string alphabet[] = {
        u"あ", u"。", u"、",      u"a",  u"\r\n",     u"\r",       u"\n",           u" ",
        u"𠮷", u"ｱ",  u"ー",      u"．", u"\u3000",   u"😀",        u"👍🏽",     u"🇯🇵",
        u"ﾞ",  u"é",  u"e\u0301", u"﹁", u"か\u3099", u"。\u0301", u"#\uFE0F\u20E3"};
    std::mt19937 random(12345);
    for (int round = 0; round < 3000; ++round) {
        std::u16string source;
        const int length = random() % 40;
        for (int i = 0; i < length; ++i)
            source += alphabet[random() % std::size(alphabet)];
        const Settings options{.fullWidth = random() % 2 == 0, .shaping = random() % 2 == 0};
        const std::int32_t height = 1 + random() % 6;
        const LineCount count = CountLines(source, height, options);
        ASSERT_TRUE(count.ok());
        const LayoutResult layout =
            FreeLayout(TrimText(source), {height, count.count, 0, true, false}, options);
        ASSERT_TRUE(layout.ok()) << testing::PrintToString(source);
        std::size_t start = 0;
        for (std::int32_t row = 0; row < height; ++row) {
            const std::size_t end = layout.text.find(u"\r\n", start);
            ASSERT_NE(end, std::u16string::npos);
            EXPECT_EQ(displayWidth(std::u16string_view(layout.text).substr(start, end - start)),
                      3u * count.count)
                << testing::PrintToString(source) << " height " << height;
            start = end + 2;
        }
        if (options.shaping) {
            EXPECT_EQ(displayWidth(std::u16string_view(layout.text).substr(start)),
                      3u * count.count);
        }
    }
}

} // namespace
} // namespace tovalo::engine
