#include "phone/page_maker.h"
#include "platform/text/line_breaks.h"

#include <gtest/gtest.h>

namespace tovalo::phone {
namespace {

std::u16string spaces(std::size_t n) {
    return std::u16string(n, u' ');
}

// `count` lines of `width` spaces.
std::u16string blankLines(int count, std::size_t width) {
    std::u16string lines;
    while (count-- > 0)
        lines += spaces(width) + u"\n";
    return lines;
}

// The expected pages below write the CR LF that ends every line as \n.
const std::u16string kTen = u"あいうえおかきくけこ";

TEST(PageMaker, CutsTheTextIntoPagesOfVerticalWriting) {
    const std::tuple<std::u16string, PhoneParams, std::u16string> cases[] = {
        // Two pages, a line break after every row.
        {kTen,
         {.height = 3, .width = 4, .lineBreaks = true},
         u" ＊＊\nきえあ\nくおい\nけかう\n ＊＊\n    こ\n" + blankLines(2, 6) + u" ＊＊\n"},
        {kTen,
         {.height = 3, .width = 3, .lineBreaks = false},
         u" ＊＊\nきえあくおいけかう ＊＊\n    こ" + spaces(13) + u"＊＊\n"},
        // A line break takes one blank cell; a half-width character gets a space.
        {u"a\r\nb",
         {.height = 3, .width = 3, .lineBreaks = false},
         u" ＊＊\n    a     　    b  ＊＊\n"},
        // The LF skipped after a CR takes no cell but counts towards the pages.
        {u"あ\r\nい",
         {.height = 3, .width = 1, .lineBreaks = false},
         u" \nあ　い \n" + blankLines(1, 7)},
        {u"あいうえ",
         {.height = 2, .width = 2, .lineBreaks = false},
         u" ＊\nうあえい ＊\n" + spaces(9) + u"＊\n"}, // a full page
        {u"abc",
         {.height = 2, .width = 2, .lineBreaks = false, .rule = u"＊", .fullWidth = true},
         u" ＊\nｃａ  ｂ ＊\n"},
        {u"あい",
         {.height = 2, .width = 3, .lineBreaks = true, .rule = u""},
         u" \n  あ\n  い\n \n"},
        // A cell for each user-perceived character; a half-width sound mark stays apart.
        {u"か\u3099😀ｶﾞ",
         {.height = 2, .width = 2, .lineBreaks = false},
         u" ＊\nｶ か\u3099ﾞ 😀 ＊\n" + spaces(9) + u"＊\n"},
        {spaces(10), {.height = 1, .width = 3, .lineBreaks = true}, u" ＊\n    \n ＊\n"},
    };
    for (const auto &[source, params, expected] : cases) {
        const PhonePages pages = MpMaker(source, params);
        EXPECT_EQ(pages.text, text::withCrLf(expected)) << ::testing::PrintToString(source);
    }
}

TEST(PageMaker, GivesTheFailureTextAndItsReasonOutsideItsLimits) {
    const std::u16string longest(32766, u'あ');
    const std::u16string hugeRule(300000, u'＊');
    const std::tuple<std::u16string, PhoneParams, PageFault> cases[] = {
        {kTen, {.height = 0, .width = 8, .lineBreaks = true}, PageFault::HeightOutOfRange},
        {kTen, {.height = 254, .width = 1, .lineBreaks = false}, PageFault::None},
        {kTen, {.height = 255, .width = 1, .lineBreaks = false}, PageFault::HeightOutOfRange},
        {kTen,
         {.height = 6, .width = 1, .lineBreaks = true},
         PageFault::WidthOutOfRange}, // no cell left beside the line break
        {kTen, {.height = 1, .width = 255, .lineBreaks = true}, PageFault::None},
        {kTen, {.height = 1, .width = 255, .lineBreaks = false}, PageFault::WidthOutOfRange},
        {kTen, {.height = 6, .width = -32768, .lineBreaks = true}, PageFault::WidthOutOfRange},
        {longest, {.height = 1, .width = 1, .lineBreaks = false}, PageFault::None},
        {longest + spaces(100),
         {.height = 1, .width = 1, .lineBreaks = false},
         PageFault::None}, // counted after trimming
        {longest + u"あ", {.height = 1, .width = 1, .lineBreaks = false}, PageFault::SourceTooLong},
        {longest, {.height = 2, .width = 1, .lineBreaks = false}, PageFault::TooManyCells},
        {kTen, {1, 254, false, hugeRule}, PageFault::ResultTooLarge},
    };
    for (const auto &[source, params, fault] : cases) {
        const PhonePages pages = MpMaker(source, params);
        EXPECT_EQ(pages.fault, fault)
            << params.height << " x " << params.width << ", " << source.size() << " characters";
        EXPECT_EQ(pages.text == u"えらー", fault != PageFault::None);
    }
}

} // namespace
} // namespace tovalo::phone
