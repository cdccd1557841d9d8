#include "engine/char_rules.h"
#include "engine/settings.h"

#include <gtest/gtest.h>

namespace tovalo::engine {
namespace {

struct CharCase {
    char32_t in;
    bool fullWidth;
    char32_t out;
    bool verticalForms = false;
};

class CharChangeTest : public testing::TestWithParam<CharCase> {};

TEST_P(CharChangeTest, GivesTheCellCharacter) {
    const CharCase &c = GetParam();
    EXPECT_EQ(CharChange(c.in, {.fullWidth = c.fullWidth, .verticalForms = c.verticalForms}),
              c.out);
}

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

INSTANTIATE_TEST_SUITE_P(Cases, CharChangeTest,
                         testing::Values(CharCase{U'ー', false, U'｜'},
                                         CharCase{U'ー', true, U'｜'}, CharCase{U'A', false, U'A'},
                                         CharCase{U'A', true, U'Ａ'},
                                         CharCase{U' ', true, U'\u3000'},
                                         CharCase{U'\r', true, U'\r'}, CharCase{U'~', true, U'～'},
                                         CharCase{U'"', true, U'＂'}, CharCase{U'｡', true, U'。'},
                                         CharCase{U'､', true, U'、'}, CharCase{U'ｱ', true, U'ア'},
                                         CharCase{U'ｰ', true, U'ー'}, CharCase{U'ﾞ', true, U'゛'},
                                         CharCase{U'ﾟ', true, U'゜'},
                                         CharCase{U'𠮷', true, U'𠮷'}));

TEST(MaruShape, MovesFullWidthMarksIntoTheRightHalf) {
    EXPECT_EQ(MaruShape(u"。", true), u" ｡");
    EXPECT_EQ(MaruShape(u"、", true), u" ､");
    EXPECT_EQ(MaruShape(u"．", true), u" .");
    EXPECT_EQ(MaruShape(u"，", true), u" ,");
    EXPECT_EQ(MaruShape(u"。", false), u"。");
    EXPECT_EQ(MaruShape(u". ", true), u". ");
    EXPECT_EQ(MaruShape(u"あ", true), u"あ");
}

TEST(TrimText, DropsLeadingBreaksAndTrailingBlanks) {
    EXPECT_EQ(TrimText(u"\r\n\r\n\u3000あ い \u3000\r\n"), u"\u3000あ い");
    EXPECT_EQ(TrimText(u"\r\n"), u"");
    EXPECT_EQ(TrimText(u"   "), u"");
    EXPECT_EQ(TrimText(u""), u"");
    EXPECT_EQ(TrimText(u"あ"), u"あ");
    EXPECT_EQ(TrimText(u"\n \r\nあ"), u" \r\nあ");
}

TEST(IsMaru, OnlyTheEightMarksAlone) {
    for (std::u16string_view cell : {u".", u",", u"。", u"．", u"｡", u"、", u"，", u"､"})
        EXPECT_TRUE(IsMaru(cell));
    for (std::u16string_view cell : {u"､ ", u"。。", u"", u"あ", u". "})
        EXPECT_FALSE(IsMaru(cell));
}

TEST(PutFromRight, ReplacesTheNthCharacterFromTheRight) {
    std::u16string s = u"\u3000\u3000\u3000";
    ASSERT_TRUE(PutFromRight(s, 1, u"。"));
    EXPECT_EQ(s, u"\u3000\u3000。");
    s = u"\u3000\u3000\u3000";
    ASSERT_TRUE(PutFromRight(s, 3, u"。"));
    EXPECT_EQ(s, u"。\u3000\u3000");
    for (int n : {0, 4, -32768}) {
        s = u"\u3000\u3000\u3000";
        EXPECT_FALSE(PutFromRight(s, n, u"。"));
        EXPECT_EQ(s, u"\u3000\u3000\u3000");
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

TEST(SeparatorFor, ChoosesByKind) {
    const std::u16string_view separators[] = {u"", u" ", u"  ", u"\u3000", u"|", u"｜", u""};
    for (std::int16_t kind = 0; kind < 7; ++kind)
        EXPECT_EQ(separatorFor(kind), separators[kind]) << kind;
}

} // namespace
} // namespace tovalo::engine
