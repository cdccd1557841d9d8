#include "engine/char_rules.h"

#include <gtest/gtest.h>

namespace tovalo::engine {
namespace {

// Every vertical form, the arrows turned a quarter to the right, and characters that
// must stay: the full stops and commas, half-width brackets (turned only once widened).
TEST(CharChange, TurnsCharactersIntoTheirVerticalForms) {
    const std::u16string from = u"「」『』（）｛｝〔〕【】《》〈〉［］〖〗…‥—―：；＿→←↑↓";
    const std::u16string to = u"﹁﹂﹃﹄︵︶︷︸︹︺︻︼︽︾︿﹀﹇﹈︗︘︙︰︱︱︓︔︳↓↑→←";
    ASSERT_EQ(from.size(), to.size());
    for (std::size_t i = 0; i < from.size(); ++i) {
        EXPECT_EQ(CharChange(from[i], {.verticalForms = true}), char32_t{to[i]}) << i;
        EXPECT_EQ(CharChange(from[i], {}), char32_t{from[i]}) << i;
    }
    for (char32_t stays : {U'、', U'。', U'，', U'．', U'､', U'｡', U'(', U'[', U'ー', U'あ', U'\r'})
        EXPECT_EQ(CharChange(stays, {.verticalForms = true}), stays == U'ー' ? U'｜' : stays);
    EXPECT_EQ(CharChange(U'(', {.fullWidth = true, .verticalForms = true}), U'︵');
    EXPECT_EQ(CharChange(U'｢', {.fullWidth = true, .verticalForms = true}), U'﹁');
    EXPECT_EQ(CharChange(U':', {.fullWidth = true, .verticalForms = true}), U'︓');
}

TEST(CharChange, WidensHalfWidthCharactersAndDrawsTheLongVowelMarkAsABar) {
    const std::pair<char32_t, char32_t> widened[] = {
        {U'A', U'Ａ'}, {U' ', U'\u3000'}, {U'\r', U'\r'}, {U'~', U'～'}, {U'"', U'＂'},
        {U'｡', U'。'}, {U'､', U'、'},     {U'ｱ', U'ア'},  {U'ｰ', U'ー'}, {U'ﾞ', U'゛'},
        {U'ﾟ', U'゜'}, {U'ー', U'｜'},    {U'𠮷', U'𠮷'}};
    for (const auto &[in, out] : widened)
        EXPECT_EQ(CharChange(in, {.fullWidth = true}), out) << static_cast<int>(in);
    EXPECT_EQ(CharChange(U'ー', {}), U'｜');
}

TEST(MaruShape, MovesFullWidthMarksIntoTheRightHalf) {
    const std::pair<std::u16string_view, std::u16string_view> cases[] = {
        {u"。", u" ｡"}, {u"、", u" ､"}, {u"．", u" ."},
        {u"，", u" ,"}, {u". ", u". "}, {u"あ", u"あ"}};
    for (const auto &[cell, shaped] : cases)
        EXPECT_EQ(MaruShape(cell, true), shaped);
    EXPECT_EQ(MaruShape(u"。", false), u"。");
}

TEST(TrimText, DropsLeadingBreaksAndTrailingBlanks) {
    EXPECT_EQ(TrimText(u"\r\n\r\n\u3000あ い \u3000\r\n"), u"\u3000あ い");
    EXPECT_EQ(TrimText(u"   "), u"");
    EXPECT_EQ(TrimText(u"\n \r\nあ"), u" \r\nあ");
}

TEST(IsMaru, OnlyTheEightMarksAlone) {
    for (std::u16string_view cell : {u".", u",", u"。", u"．", u"｡", u"、", u"，", u"､"})
        EXPECT_TRUE(IsMaru(cell));
    for (std::u16string_view cell : {u"､ ", u"。。", u"", u"あ", u". "})
        EXPECT_FALSE(IsMaru(cell));
}

TEST(PutFromRight, ReplacesTheNthCharacterFromTheRight) {
    const std::u16string blank = u"\u3000\u3000\u3000";
    const std::pair<int, std::u16string> cases[] = {
        {1, u"\u3000\u3000。"}, {3, u"。\u3000\u3000"}, {0, blank}, {4, blank}, {-32768, blank}};
    for (const auto &[n, expected] : cases) {
        std::u16string s = blank;
        EXPECT_EQ(PutFromRight(s, n, u"。"), expected != blank) << n;
        EXPECT_EQ(s, expected) << n;
    }
}

TEST(SepChars, PutsTheSeparatorBeforeEachCell) {
    EXPECT_EQ(SepChars(u"ab", u"|"), u"|a|b");
    EXPECT_EQ(SepChars(u"ab", u""), u"ab");
    EXPECT_EQ(SepChars(u"a𠮷", u"|"), u"|a|𠮷");
    EXPECT_EQ(SepChars(u"か\u3099🇯🇵\r\n", u"|"), u"|か\u3099|🇯🇵|\r|\n");
    EXPECT_EQ(SepChars(std::u16string(32766, u'a'), u" ")->size(), 2u * 32766);
    EXPECT_FALSE(SepChars(std::u16string(32767, u'a'), u" "));
    EXPECT_TRUE(SepChars(std::u16string(32767, u'a'), u""));
}

} // namespace
} // namespace tovalo::engine
