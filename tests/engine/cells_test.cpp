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

TEST(Cells, HoldOneUserPerceivedCharacterEach) {
    const struct {
        const char *name;
        std::u16string text;
        std::vector<std::u16string> cells;
        CellRules rules = {};
    } cases[] = {
        {"JapaneseAndLetters", u"あa｡ｱ", {u"あ", u"a+", u"｡+", u"ｱ+"}},
        {"EmojiWithSkinTone", u"👍🏽x", {u"👍🏽", u"x+"}},
        {"JoinedEmoji", u"👨\u200D👩\u200D👧あ", {u"👨\u200D👩\u200D👧", u"あ"}},
        {"Flags", u"🇯🇵🇫🇷🇯", {u"🇯🇵", u"🇫🇷", u"🇯+"}},
        {"Keycap", u"#\uFE0F\u20E3", {u"#\uFE0F\u20E3"}},
        {"EmojiPresentationIsFullWidth", u"\u2764\uFE0F\u2764", {u"\u2764\uFE0F", u"\u2764+"}},
        {"DecomposedKana", u"か\u3099は\u309A", {u"か\u3099", u"は\u309A"}},
        {"DecomposedLatinIsHalfWidth", u"e\u0301", {u"e\u0301+"}},
        {"VerticalPresentationForm", u"﹁", {u"﹁"}},
        {"AccentedLetterOutsideTheCodePage", u"é", {u"é+"}},
        {"CrAndLfStandAlone", u"a\r\n\u0301", {u"a+", u"\r+", u"\n+", u"\u0301+"}},
        {"MarkAfterAPunctuationMarkJoinsIt", u"。\u0301", {u"。\u0301"}},
        {"HalfWidthSoundMarksStandAlone", u"ｶﾞﾊﾟ\u0301", {u"ｶ+", u"ﾞ+", u"ﾊ+", u"ﾟ\u0301+"}},
        {"WidenedSoundMarksAreSpacingMarks",
         u"ｶﾞﾊﾟ",
         {u"カ", u"゛", u"ハ", u"゜"},
         {.fullWidth = true}},
        {"WideningChangesOnlyTheFirstCharacter", u"e\u0301", {u"ｅ\u0301"}, {.fullWidth = true}},
        {"LoneSurrogateIsHalfWidth",
         std::u16string(1, char16_t{0xD800}) + u"あ",
         {std::u16string(1, char16_t{0xD800}) + u"+", u"あ"}},
        // Tate-chu-yoko: exactly two half-width digits, or two of ! and ?, share a cell.
        {"TwoDigitsShareACell", u"平成12年", {u"平", u"成", u"12", u"年"}, kPairs},
        {"OneOrThreeDigitsDoNot", u"1年123", {u"1+", u"年", u"1+", u"2+", u"3+"}, kPairs},
        {"PairsOfBangsAndQuestions",
         u"!!あ!?あ?!?",
         {u"!!", u"あ", u"!?", u"あ", u"?+", u"!+", u"?+"},
         kPairs},
        {"DigitsAndBangsPairApart", u"12!?3", {u"12", u"!?", u"3+"}, kPairs},
        {"PairsAreNeverWidened",
         u"12 3",
         {u"12", u"\u3000", u"３"},
         {.fullWidth = true, .tateChuYoko = true}},
        {"FullWidthDigitsNeverPair", u"１２", {u"１", u"２"}, kPairs},
        {"ADigitWithAMarkIsNoDigit", u"12\u20E3", {u"1+", u"2\u20E3+"}, kPairs},
        {"PairsAcrossALineBreak", u"1\r\n23", {u"1+", u"\r+", u"\n+", u"23"}, kPairs},
    };
    for (const auto &c : cases)
        EXPECT_EQ(cellsOf(c.text, c.rules), c.cells) << c.name;
}

} // namespace
} // namespace tovalo::engine
