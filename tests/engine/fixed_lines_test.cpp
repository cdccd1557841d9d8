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

const LayoutCase kFixedLinesCases[] = {
    {.name = "TwoPagesWithShapingAndSeparator",
     .source = u"あいうえおかきくけこ",
     .height = 3,
     .lines = 2,
     .expected = u"|＊|＊\r\n\r\n|え|あ\r\n|お|い\r\n|か|う\r\n|\u3000|\u3000\r\n|＊|＊\r\n\r\n"
                 u"|こ|き\r\n|  |く\r\n|  |け\r\n|\u3000|\u3000\r\n|＊|＊",
     .gapOn = true,
     .separatorKind = 4},
    {.name = "WidthNarrowedToTheEstimateAndCommaHangs",
     .source = u"あいう、えお",
     .height = 3,
     .lines = 5,
     .expected = u"＊＊\r\n\r\nえあ\r\nおい\r\n  う\r\n\u3000 ､\r\n＊＊"},
    {.name = "MarkOpeningAPageHangsUnderThePageBefore",
     .source = u"あいうえ。お",
     .height = 2,
     .lines = 1,
     .expected = u"＊\r\n\r\nあ\r\nい\r\n\u3000\r\n＊\r\n\r\nう\r\nえ\r\n ｡\r\n＊\r\n\r\nお\r\n"
                 u"  \r\n\u3000\r\n＊"},
    {.name = "PageEndingExactlyGetsAnEmptyPage",
     .source = u"あい",
     .height = 2,
     .lines = 1,
     .expected = u"＊\r\n\r\nあ\r\nい\r\n\r\n＊\r\n\r\n  \r\n  \r\n\r\n＊",
     .shaping = false},
    {.name = "EmptyRulesAreTrimmedAway",
     .source = u"あ",
     .height = 1,
     .lines = 1,
     .expected = u"あ",
     .shaping = false,
     .rule = u""},
    {.name = "BothOptionsOnPages",
     .source = u"（12）",
     .height = 2,
     .lines = 1,
     .expected = u"＊\r\n\r\n︵\r\n12\r\n\r\n＊\r\n\r\n︶\r\n  \r\n\r\n＊",
     .shaping = false,
     .verticalForms = true,
     .tateChuYoko = true},
    {.name = "ShortTextWithTallColumns",
     .source = u"あ",
     .height = 10,
     .lines = 3,
     .expected = u"＊\r\n\r\nあ\r\n" + repeated(u"  \r\n", 9) + u"\u3000\r\n＊"},
    {.name = "MarkInCellOneStaysThere",
     .source = u"。あ",
     .height = 3,
     .lines = 5,
     .expected = u"＊\r\n\r\n ｡\r\nあ\r\n  \r\n\u3000\r\n＊"},
    {.name = "TwelfthPageHasItsHangingRow",
     .source = repeated(u"あ", 24) + u"。",
     .height = 2,
     .lines = 1,
     .expected = u"＊\r\n\r\n" + repeated(u"あ\r\nあ\r\n\u3000\r\n＊\r\n\r\n", 11) +
                 u"あ\r\nあ\r\n ｡\r\n＊\r\n\r\n  \r\n  \r\n\u3000\r\n＊"},
};

INSTANTIATE_TEST_SUITE_P(Cases, FixedLinesTest, testing::ValuesIn(kFixedLinesCases), caseName);

TEST(FixedLines, FailsOutsideItsLimits) {
    const struct {
        std::u16string source;
        std::int32_t height;
        Fault fault;
    } cases[] = {
        {std::u16string(32767, u'あ'), 3, Fault::SourceTooLong},
        {repeated(u"あ\r\n", 4000), 10, Fault::CellIndexOverflow},
        {u"あ", 32768, Fault::HeightTooLarge},
        {u"あ", 0, Fault::HeightBelowOne},
    };
    for (const auto &c : cases)
        EXPECT_EQ(FixedLines(c.source, {c.height, 2, 0, false, true}, {}).fault, c.fault)
            << c.height;
}

} // namespace
} // namespace tovalo::engine
