#include "ui/widgets/box_rule.h"

#include <gtest/gtest.h>

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
    expectStep(u"10", BoxStep::MoveBar, 10, kMargin);
    expectStep(u"11", BoxStep::KeepText, 0, kMargin);
    expectStep(u"-0.5", BoxStep::RestoreText, 0, kMargin);
}

} // namespace
} // namespace tovalo::ui
