#include "ui/widgets/box_rule.h"
#include "ui/widgets/typed_limit.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace tovalo::ui {
namespace {

constexpr BoxRange kHeight{1, 100};

void expectStep(std::u16string text, BoxStep::Kind kind, int barValue = 0,
                BoxRange range = kHeight) {
    const BoxStep step = judgeBoxText(text, range);
    EXPECT_EQ(step.kind, kind) << testing::PrintToString(text);
    if (kind == BoxStep::MoveBar) {
        EXPECT_EQ(step.barValue, barValue) << testing::PrintToString(text);
    }
}

TEST(JudgeBoxText, FollowsTheWholePartOfTheNumber) {
    // Within range the bar takes the number rounded to the nearest, halves to even.
    const std::pair<std::u16string, int> moves[] = {{u"30", 30}, {u"12.7", 13}, {u"2.5", 2},
                                                    {u"3.5", 4}, {u" 7 ", 7},   {u"100.7", 101},
                                                    {u"1.", 1}};
    for (const auto &[text, bar] : moves)
        expectStep(text, BoxStep::MoveBar, bar);
    for (const char16_t *text : {u"150", u"101", u"1e12", u"1e400"})
        expectStep(text, BoxStep::KeepText);
    for (const char16_t *text : {u"0", u"0.9", u"-4", u"-1e12", u"-1e400"})
        expectStep(text, BoxStep::RestoreText);
    for (const char16_t *text : {u"", u"  ", u"-", u"abc", u"３０"})
        expectStep(text, BoxStep::Ignore);

    constexpr BoxRange kMargin{0, 10};
    expectStep(u"0", BoxStep::MoveBar, 0, kMargin);
    expectStep(u"-0.5", BoxStep::RestoreText, 0, kMargin);
}

constexpr BoxRange kSide{3, 50};

TEST(PhoneSide, MovesWhileTypingOnlyWithinRangeAndLeavingHoldsTheBoxToTheRange) {
    using Case = std::pair<std::u16string_view, std::optional<int>>;
    constexpr std::nullopt_t no = std::nullopt;
    const Case typed[] = {{u"12", 12},   {u"7.9", 7},  {u"3", 3}, {u"50", 50},
                          {u"50.5", no}, {u"2.9", no}, {u"", no}, {u"1e1", 10}};
    for (const auto &[text, side] : typed)
        EXPECT_EQ(sideWhileTyping(text, kSide), side)
            << testing::PrintToString(std::u16string(text));
    const std::pair<std::u16string_view, std::optional<std::u16string>> left[] = {
        {u"2.9", u"3"}, {u"50.5", u"50"},      {u"1e400", u"50"},      {u"", u"17"},
        {u"x", u"17"},  {u"12", std::nullopt}, {u"7.9", std::nullopt}, {u"50", std::nullopt},
    };
    for (const auto &[text, shown] : left)
        EXPECT_EQ(sideWhenLeft(text, kSide, 17), shown)
            << testing::PrintToString(std::u16string(text));
}

TEST(ReadNumber, ReadsDecimalNumbersOnlyAndJapaneseInputTurnsAscii) {
    const std::pair<std::u16string_view, std::optional<double>> cases[] = {
        {u"12", 12.0},          {u" -0.5 ", -0.5},       {u"+7.", 7.0},
        {u".5", 0.5},           {u"1e2", 100.0},         {u"1e-400", 0.0},
        {u"", std::nullopt},    {u"-", std::nullopt},    {u"inf", std::nullopt},
        {u"nan", std::nullopt}, {u"0x10", std::nullopt}, {u"+-1", std::nullopt},
        {u"1 2", std::nullopt}, {u"１２", std::nullopt},
    };
    for (const auto &[text, number] : cases)
        EXPECT_EQ(readNumber(text), number) << testing::PrintToString(std::u16string(text));
    EXPECT_EQ(asciiNumberText(u"２０－１２．５\u3000＋３ｅ12ab あ"), u"20-12.5 +3e12ab あ");
}

struct Edit {
    std::u16string_view before, after;
    std::optional<std::u16string_view> kept; // nothing: the edit is refused
    std::size_t caret = 0;
};

// A box that takes two characters of typed or pasted input.
TEST(LimitTyped, KeepsTheFirstInsertedCharactersThatFit) {
    const Edit edits[] = {
        {u"", u"abc", u"ab", 2},         // a paste into the empty box
        {u"a", u"axyz", u"ax", 2},       // a paste at the end
        {u"a", u"xyza", u"xa", 1},       // a paste at the start
        {u"ab", u"axyz", u"ax", 2},      // a paste over a selection
        {u"◆◇◆", u"◆◇", u"◆◇", 2},       // deleting from a longer program text
        {u"◆◇◆", u"◆◇◆x", std::nullopt}, // typing into it
        {u"", u"😀x", u"😀", 2},           // a pair of code units counts two
        {u"a", u"a😀", std::nullopt},     // and is never cut in half
    };
    for (const Edit &e : edits) {
        const std::optional<LimitedEdit> got = limitTyped(e.before, e.after, 2);
        ASSERT_EQ(got.has_value(), e.kept.has_value())
            << testing::PrintToString(std::u16string(e.after));
        if (got) {
            EXPECT_EQ(got->text, *e.kept);
            EXPECT_EQ(got->caret, e.caret);
        }
    }
}

} // namespace
} // namespace tovalo::ui
