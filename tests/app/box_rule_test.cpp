#include "app/box_rule.h"

#include <gtest/gtest.h>

#include <string>

namespace tovalo::app {
namespace {

struct BoxCase {
    std::u16string text;
    BoxRange range;
    BoxStep::Kind kind;
    int barValue = 0; // for MoveBar
};

void PrintTo(const BoxCase &c, std::ostream *os) {
    *os << testing::PrintToString(c.text);
}

class BoxJudgement : public testing::TestWithParam<BoxCase> {};

TEST_P(BoxJudgement, FollowsTheWholePartOfTheNumber) {
    const BoxStep step = judgeBoxText(GetParam().text, GetParam().range);
    EXPECT_EQ(step.kind, GetParam().kind);
    if (step.kind == BoxStep::MoveBar) {
        EXPECT_EQ(step.barValue, GetParam().barValue);
    }
}

constexpr BoxRange kHeight{1, 100};
constexpr BoxRange kMargin{0, 10};

INSTANTIATE_TEST_SUITE_P(
    Texts, BoxJudgement,
    testing::Values(
        BoxCase{u"30", kHeight, BoxStep::MoveBar, 30},
        BoxCase{u"12.7", kHeight, BoxStep::MoveBar, 13},
        BoxCase{u"2.5", kHeight, BoxStep::MoveBar, 2},
        BoxCase{u"3.5", kHeight, BoxStep::MoveBar, 4},
        BoxCase{u" 7 ", kHeight, BoxStep::MoveBar, 7},
        BoxCase{u"100.7", kHeight, BoxStep::MoveBar, 101},
        BoxCase{u"150", kHeight, BoxStep::KeepText}, BoxCase{u"101", kHeight, BoxStep::KeepText},
        BoxCase{u"1e12", kHeight, BoxStep::KeepText}, BoxCase{u"0", kHeight, BoxStep::RestoreText},
        BoxCase{u"0.9", kHeight, BoxStep::RestoreText},
        BoxCase{u"-4", kHeight, BoxStep::RestoreText},
        BoxCase{u"-1e12", kHeight, BoxStep::RestoreText},
        BoxCase{u"0", kMargin, BoxStep::MoveBar, 0},
        BoxCase{u"-0.5", kMargin, BoxStep::RestoreText},
        BoxCase{u"10", kMargin, BoxStep::MoveBar, 10}, BoxCase{u"11", kMargin, BoxStep::KeepText},
        BoxCase{u"", kHeight, BoxStep::Ignore}, BoxCase{u"  ", kHeight, BoxStep::Ignore},
        BoxCase{u"-", kHeight, BoxStep::Ignore}, BoxCase{u"abc", kHeight, BoxStep::Ignore},
        BoxCase{u"1.", kHeight, BoxStep::MoveBar, 1}, BoxCase{u"３０", kHeight, BoxStep::Ignore}));

} // namespace
} // namespace tovalo::app
