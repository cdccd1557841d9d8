#include "engine/cells.h"

#include <gtest/gtest.h>

namespace tovalo::engine {
namespace {

// A cell as text: its first character (after CharChange), the rest, and "+" for a
// filler space when it is half a cell wide.
std::vector<std::u16string> cellsOf(std::u16string_view text, bool fullWidth) {
    std::vector<std::u16string> cells;
    for (CellReader reader(text, fullWidth); !reader.atEnd();) {
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

struct CellsCase {
    const char *name;
    std::u16string text;
    std::vector<std::u16string> cells;
    bool fullWidth = false;
};

class CellsTest : public testing::TestWithParam<CellsCase> {};

TEST_P(CellsTest, HoldOneUserPerceivedCharacterEach) {
    EXPECT_EQ(cellsOf(GetParam().text, GetParam().fullWidth), GetParam().cells);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CellsTest,
    testing::Values(
        CellsCase{"JapaneseAndLetters", u"あa｡ｱ", {u"あ", u"a+", u"｡+", u"ｱ+"}},
        CellsCase{"Emoji", u"😀", {u"😀"}},
        CellsCase{"EmojiWithSkinTone", u"👍🏽x", {u"👍🏽", u"x+"}},
        CellsCase{"JoinedEmoji", u"👨\u200D👩\u200D👧あ", {u"👨\u200D👩\u200D👧", u"あ"}},
        CellsCase{"Flags", u"🇯🇵🇫🇷🇯", {u"🇯🇵", u"🇫🇷", u"🇯+"}},
        CellsCase{"Keycap", u"#\uFE0F\u20E3", {u"#\uFE0F\u20E3"}},
        CellsCase{
            "EmojiPresentationIsFullWidth", u"\u2764\uFE0F\u2764", {u"\u2764\uFE0F", u"\u2764+"}},
        CellsCase{"DecomposedKana", u"か\u3099は\u309A", {u"か\u3099", u"は\u309A"}},
        CellsCase{"DecomposedLatinIsHalfWidth", u"e\u0301", {u"e\u0301+"}},
        CellsCase{"BeyondTheBmp", u"𠮷", {u"𠮷"}},
        CellsCase{"VerticalPresentationForm", u"﹁", {u"﹁"}},
        CellsCase{"AccentedLetterOutsideTheCodePage", u"é", {u"é+"}},
        CellsCase{"CrAndLfStandAlone", u"a\r\n\u0301", {u"a+", u"\r+", u"\n+", u"\u0301+"}},
        CellsCase{"MarkAfterAPunctuationMarkJoinsIt", u"。\u0301", {u"。\u0301"}},
        CellsCase{
            "HalfWidthSoundMarksStandAlone", u"ｶﾞﾊﾟ\u0301", {u"ｶ+", u"ﾞ+", u"ﾊ+", u"ﾟ\u0301+"}},
        CellsCase{"WidenedSoundMarksAreSpacingMarks", u"ｶﾞﾊﾟ", {u"カ", u"゛", u"ハ", u"゜"}, true},
        CellsCase{"WideningChangesOnlyTheFirstCharacter", u"e\u0301", {u"ｅ\u0301"}, true},
        CellsCase{"LoneSurrogateIsHalfWidth",
                  std::u16string(1, char16_t{0xD800}) + u"あ",
                  {std::u16string(1, char16_t{0xD800}) + u"+", u"あ"}}),
    [](const testing::TestParamInfo<CellsCase> &info) { return std::string(info.param.name); });

} // namespace
} // namespace tovalo::engine
