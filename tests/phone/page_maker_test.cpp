#include "phone/page_maker.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tovalo::phone {
namespace {

struct PagesCase {
    const char *name;
    std::u16string source;
    PhoneParams params;
    std::vector<std::u16string> lines; // every line of the result, each ending in CR LF
};

std::u16string joinLines(const std::vector<std::u16string> &lines) {
    std::u16string text;
    for (const auto &line : lines)
        text += line + u"\r\n";
    return text;
}

PhoneParams params(std::int16_t H, std::int16_t W, bool Rtn, std::u16string rule = u"＊",
                   bool chkChg1 = false) {
    return {H, W, Rtn, std::move(rule), chkChg1};
}

std::u16string spaces(std::size_t n) {
    return std::u16string(n, u' ');
}

class PagesTest : public testing::TestWithParam<PagesCase> {};

TEST_P(PagesTest, GivesThePages) {
    const PagesCase &c = GetParam();
    const PhonePages pages = MpMaker(c.source, c.params);
    EXPECT_EQ(pages.fault, PageFault::None) << describe(pages.fault);
    EXPECT_EQ(pages.text, joinLines(c.lines));
}

const std::u16string kTen = u"あいうえおかきくけこ";
// The pages of the dialog's start values (6 rows of 7 cells) for a text that fills none.
const std::vector<std::u16string> kBlankStartPage = {u" ＊＊＊＊＊＊", spaces(14),      spaces(14),
                                                     spaces(14),       spaces(14),      spaces(14),
                                                     spaces(14),       u" ＊＊＊＊＊＊"};

INSTANTIATE_TEST_SUITE_P(
    PageMaker, PagesTest,
    testing::Values(
        PagesCase{"TwoPagesWithLineBreaks",
                  kTen,
                  params(3, 4, true),
                  {u" ＊＊", u"きえあ", u"くおい", u"けかう", u" ＊＊", u"    こ", spaces(6),
                   spaces(6), u" ＊＊"}},
        PagesCase{"RowsRunOnWithoutLineBreaks",
                  kTen,
                  params(3, 3, false),
                  {u" ＊＊", u"きえあくおいけかう ＊＊", u"    こ" + spaces(13) + u"＊＊"}},
        PagesCase{"LineBreakTakesOneBlankCell",
                  u"a\r\nb",
                  params(3, 3, false),
                  {u" ＊＊", u"    a     　    b  ＊＊"}},
        PagesCase{
            "CharacterAfterALoneCrIsSkipped", u"a\rb", params(4, 1, false), {u" ", u"a 　     "}},
        PagesCase{"SkippedLfStillCountsTowardsThePages",
                  u"あ\r\nい",
                  params(3, 1, false),
                  {u" ", u"あ　い ", spaces(7)}},
        PagesCase{
            "LongVowelMarkBecomesVerticalLine", u"ー", params(1, 2, false), {u" ＊", u"  ｜ ＊"}},
        PagesCase{"ShortTextFillsTheRightmostColumn",
                  u"テスト",
                  params(6, 8, true),
                  {u" ＊＊＊＊＊＊", spaces(12) + u"テ", spaces(12) + u"ス", spaces(12) + u"ト",
                   spaces(14), spaces(14), spaces(14), u" ＊＊＊＊＊＊"}},
        PagesCase{"ExactlyFullPageGetsABlankSecondPage",
                  u"あいうえ",
                  params(2, 2, false),
                  {u" ＊", u"うあえい ＊", spaces(9) + u"＊"}},
        PagesCase{"HalfWidthCharactersGetAFillerSpace",
                  u"abc",
                  params(2, 2, false),
                  {u" ＊", u"c a   b  ＊"}},
        PagesCase{"FullWidthOptionWidensWithoutFiller",
                  u"abc",
                  params(2, 2, false, u"＊", true),
                  {u" ＊", u"ｃａ  ｂ ＊"}},
        PagesCase{"EmptyRuleGivesRuleLinesOfOneSpace",
                  u"あい",
                  params(2, 3, true, u""),
                  {u" ", u"  あ", u"  い", u" "}},
        PagesCase{"SurrogatePairIsOneCell",
                  u"\U00020BB7あ",
                  params(3, 1, false),
                  {u" ", u"\U00020BB7 あ   "}},
        PagesCase{"BlanksOnlyGiveOneBlankPage", spaces(10), params(6, 8, true), kBlankStartPage},
        PagesCase{"EmptyTextGivesOneBlankPage", u"", params(6, 8, true), kBlankStartPage}),
    [](const testing::TestParamInfo<PagesCase> &info) { return info.param.name; });

struct FaultCase {
    const char *name;
    std::u16string source;
    PhoneParams params;
    PageFault fault;
};

class FaultTest : public testing::TestWithParam<FaultCase> {};

TEST_P(FaultTest, GivesTheFailureTextAndItsReason) {
    const FaultCase &c = GetParam();
    const PhonePages pages = MpMaker(c.source, c.params);
    EXPECT_EQ(pages.fault, c.fault) << describe(pages.fault);
    EXPECT_EQ(pages.text == u"えらー", c.fault != PageFault::None);
}

const std::u16string kLongest(32766, u'あ');

INSTANTIATE_TEST_SUITE_P(
    PageMaker, FaultTest,
    testing::Values(
        FaultCase{"ZeroHeight", kTen, params(0, 8, true), PageFault::HeightOutOfRange},
        FaultCase{"Height254", kTen, params(254, 1, false), PageFault::None},
        FaultCase{"Height255", kTen, params(255, 1, false), PageFault::HeightOutOfRange},
        FaultCase{"WidthOneWithLineBreaks", kTen, params(6, 1, true), PageFault::WidthOutOfRange},
        FaultCase{"Width255WithLineBreaks", kTen, params(1, 255, true), PageFault::None},
        FaultCase{"Width255", kTen, params(1, 255, false), PageFault::WidthOutOfRange},
        FaultCase{"LowestWidthWithLineBreaks", kTen, params(6, -32768, true),
                  PageFault::WidthOutOfRange},
        FaultCase{"LongestText", kLongest, params(1, 1, false), PageFault::None},
        FaultCase{"LongestTextWithTrailingBlanks", kLongest + spaces(100), params(1, 1, false),
                  PageFault::None},
        FaultCase{"TextOf32767", kLongest + u"あ", params(1, 1, false), PageFault::SourceTooLong},
        FaultCase{"PagesOver32767Cells", kLongest, params(2, 1, false), PageFault::TooManyCells},
        FaultCase{"HugeRule", kTen, params(1, 254, false, std::u16string(300000, u'＊')),
                  PageFault::ResultTooLarge}),
    [](const testing::TestParamInfo<FaultCase> &info) { return info.param.name; });

} // namespace
} // namespace tovalo::phone
