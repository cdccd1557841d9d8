#include "engine/cells.h"

#include <gtest/gtest.h>

namespace tovalo::engine {
namespace {

// A cell as text: its first character (after CharChange), the rest, and "+" for a
// filler space when it is half a cell wide.
std::vector<std::u16string> cellsOf(std::u16string_view text, const CellRules &rules) {
    std::vector<std::u16string> cells;
    for (CellReader reader(text, rules); !reader.atEnd();) {
        const Cell cell = reader.next();
        std::u16string shown;
        text::appendCodePoint(shown, cell.first);
        shown += cell.rest;
        if (cell.halfWidth)
            shown += u'+';
        cells.push_back(shown);
    }
    return cells;
}

constexpr CellRules kPairs{.tateChuYoko = true};

struct CellsCase {
    const char *name;
    std::u16string text;
    std::vector<std::u16string> cells;
    CellRules rules = {};
};

class CellsTest : public testing::TestWithParam<CellsCase> {};

TEST_P(CellsTest, HoldOneUserPerceivedCharacterEach) {
    EXPECT_EQ(cellsOf(GetParam().text, GetParam().rules), GetParam().cells);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CellsTest,
    testing::Values(
        CellsCase{"JapaneseAndLetters", u"あa｡ｱ", {u"あ", u"a+", u"｡+", u"ｱ+"}},
        CellsCase{"EmojiWithSkinTone", u"👍🏽x", {u"👍🏽", u"x+"}},
        CellsCase{"JoinedEmoji", u"👨\u200D👩\u200D👧あ", {u"👨\u200D👩\u200D👧", u"あ"}},
        CellsCase{"Flags", u"🇯🇵🇫🇷🇯", {u"🇯🇵", u"🇫🇷", u"🇯+"}},
        CellsCase{"Keycap", u"#\uFE0F\u20E3", {u"#\uFE0F\u20E3"}},
        CellsCase{
            "EmojiPresentationIsFullWidth", u"\u2764\uFE0F\u2764", {u"\u2764\uFE0F", u"\u2764+"}},
        CellsCase{"DecomposedKana", u"か\u3099は\u309A", {u"か\u3099", u"は\u309A"}},
        CellsCase{"DecomposedLatinIsHalfWidth", u"e\u0301", {u"e\u0301+"}},
        CellsCase{"VerticalPresentationForm", u"﹁", {u"﹁"}},
        CellsCase{"AccentedLetterOutsideTheCodePage", u"é", {u"é+"}},
        CellsCase{"CrAndLfStandAlone", u"a\r\n\u0301", {u"a+", u"\r+", u"\n+", u"\u0301+"}},
        CellsCase{"MarkAfterAPunctuationMarkJoinsIt", u"。\u0301", {u"。\u0301"}},
        CellsCase{
            "HalfWidthSoundMarksStandAlone", u"ｶﾞﾊﾟ\u0301", {u"ｶ+", u"ﾞ+", u"ﾊ+", u"ﾟ\u0301+"}},
        CellsCase{"WidenedSoundMarksAreSpacingMarks",
                  u"ｶﾞﾊﾟ",
                  {u"カ", u"゛", u"ハ", u"゜"},
                  {.fullWidth = true}},
        CellsCase{
            "WideningChangesOnlyTheFirstCharacter", u"e\u0301", {u"ｅ\u0301"}, {.fullWidth = true}},
        CellsCase{"LoneSurrogateIsHalfWidth",
                  std::u16string(1, char16_t{0xD800}) + u"あ",
                  {std::u16string(1, char16_t{0xD800}) + u"+", u"あ"}},
        // Tate-chu-yoko: exactly two half-width digits, or two of ! and ?, share a cell.
        CellsCase{"TwoDigitsShareACell", u"平成12年", {u"平", u"成", u"12", u"年"}, kPairs},
        CellsCase{"OneOrThreeDigitsDoNot", u"1年123", {u"1+", u"年", u"1+", u"2+", u"3+"}, kPairs},
        CellsCase{"PairsOfBangsAndQuestions",
                  u"!!あ!?あ?!?",
                  {u"!!", u"あ", u"!?", u"あ", u"?+", u"!+", u"?+"},
                  kPairs},
        CellsCase{"DigitsAndBangsPairApart", u"12!?3", {u"12", u"!?", u"3+"}, kPairs},
        CellsCase{"PairsAreNeverWidened",
                  u"12 3",
                  {u"12", u"\u3000", u"３"},
                  {.fullWidth = true, .tateChuYoko = true}},
        CellsCase{"FullWidthDigitsNeverPair", u"１２", {u"１", u"２"}, kPairs},
        CellsCase{"ADigitWithAMarkIsNoDigit", u"12\u20E3", {u"1+", u"2\u20E3+"}, kPairs},
        CellsCase{"PairsAcrossALineBreak", u"1\r\n23", {u"1+", u"\r+", u"\n+", u"23"}, kPairs}),
    [](const testing::TestParamInfo<CellsCase> &info) { return std::string(info.param.name); });

} // namespace
} // namespace tovalo::engine
