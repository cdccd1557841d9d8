#include "layout_case.h"

namespace tovalo::engine {
namespace {

class FixedLinesTest : public testing::TestWithParam<LayoutCase> {};

TEST_P(FixedLinesTest, WritesTheExpectedPages) {
    const LayoutCase &c = GetParam();
    expectLayout(c, FixedLines(TrimText(c.source), c.params(true), c.options()));
}

std::u16string repeated(std::u16string_view piece, int n) {
    std::u16string out;
    for (int i = 0; i < n; ++i)
        out += piece;
    return out;
}

INSTANTIATE_TEST_SUITE_P(
    Examples, FixedLinesTest,
    testing::Values(
        LayoutCase{
            "TwoPages", u"あいうえおかきくけこ", 3, 2,
            u"＊＊\r\n\r\nえあ\r\nおい\r\nかう\r\n\r\n＊＊\r\n\r\nこき\r\n  く\r\n  け\r\n\r\n＊＊",
            Fault::None, false},
        LayoutCase{"TwoPagesWithShapingAndSeparator", u"あいうえおかきくけこ", 3, 2,
                   u"|＊|＊\r\n\r\n|え|あ\r\n|お|い\r\n|か|う\r\n|\u3000|\u3000\r\n|＊|＊\r\n\r\n"
                   u"|こ|き\r\n|  |く\r\n|  |け\r\n|\u3000|\u3000\r\n|＊|＊",
                   Fault::None, true, true, 4},
        LayoutCase{"WidthNarrowedToTheEstimateAndCommaHangs", u"あいう、えお", 3, 5,
                   u"＊＊\r\n\r\nえあ\r\nおい\r\n  う\r\n\u3000 ､\r\n＊＊"},
        LayoutCase{"MarkOpeningAPageHangsUnderThePageBefore", u"あいうえ。お", 2, 1,
                   u"＊\r\n\r\nあ\r\nい\r\n\u3000\r\n＊\r\n\r\nう\r\nえ\r\n ｡\r\n＊\r\n\r\nお\r\n"
                   u"  \r\n\u3000\r\n＊"},
        LayoutCase{"MarginBeforeRowsAndHangingRow", u"あ", 2, 1,
                   u"＊\r\n\r\n  あ\r\n    \r\n  \u3000\r\n＊", Fault::None, true, false, 1, 2},
        LayoutCase{"PageEndingExactlyGetsAnEmptyPage", u"あい", 2, 1,
                   u"＊\r\n\r\nあ\r\nい\r\n\r\n＊\r\n\r\n  \r\n  \r\n\r\n＊", Fault::None, false},
        LayoutCase{"EmptyRulesAreTrimmedAway", u"あ", 1, 1, u"あ", Fault::None, false, false, 1, 0,
                   false, u""},
        LayoutCase{"SourceTooLong", std::u16string(32767, u'あ'), 3, 2, u"", Fault::SourceTooLong},
        LayoutCase{"CellIndexBeyond16Bits", repeated(u"あ\r\n", 4000), 10, 2, u"",
                   Fault::CellIndexOverflow},
        LayoutCase{"HeightBeyond16Bits", u"あ", 32768, 2, u"", Fault::HeightTooLarge},
        LayoutCase{"LinesBelowOne", u"あ", 3, 0, u"", Fault::LinesBelowOne}),
    caseName);

INSTANTIATE_TEST_SUITE_P(VerticalTypography, FixedLinesTest,
                         testing::Values(LayoutCase{
                             .name = "BothOptionsOnPages",
                             .source = u"（12）",
                             .height = 2,
                             .lines = 1,
                             .expected = u"＊\r\n\r\n︵\r\n12\r\n\r\n＊\r\n\r\n︶\r\n  \r\n\r\n＊",
                             .maruFix = false,
                             .verticalForms = true,
                             .tateChuYoko = true}),
                         caseName);

INSTANTIATE_TEST_SUITE_P(
    Corrections, FixedLinesTest,
    testing::Values(LayoutCase{"ShortTextWithTallColumns", u"あ", 10, 3,
                               u"＊\r\n\r\nあ\r\n" + repeated(u"  \r\n", 9) + u"\u3000\r\n＊"},
                    LayoutCase{"MarkInCellOneStaysThere", u"。あ", 3, 5,
                               u"＊\r\n\r\n ｡\r\nあ\r\n  \r\n\u3000\r\n＊"},
                    LayoutCase{"TwelfthPageHasItsHangingRow", repeated(u"あ", 24) + u"。", 2, 1,
                               u"＊\r\n\r\n" + repeated(u"あ\r\nあ\r\n\u3000\r\n＊\r\n\r\n", 11) +
                                   u"あ\r\nあ\r\n ｡\r\n＊\r\n\r\n  \r\n  \r\n\u3000\r\n＊"}),
    caseName);

} // namespace
} // namespace tovalo::engine
