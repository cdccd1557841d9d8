#include "app/window_geometry.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace tovalo::app {
namespace {

using Key = std::pair<std::string, Edge>;

std::map<Key, double> placed(double width, double height) {
    std::map<Key, double> out;
    for (const Placement &p : resizeLayout(width, height))
        out[{std::string(p.control), p.edge}] = p.twips;
    return out;
}

TEST(ResizeLayout, WindowOf9000By6000) {
    const std::map<Key, double> expected{
        {{"TxtOri", Edge::Width}, 3888},     {{"TxtOri", Edge::Top}, 1020},
        {{"TxtOri", Edge::Height}, 4342.5},  {{"TxtTate", Edge::Left}, 4989.6},
        {{"TxtTate", Edge::Width}, 3888},    {{"TxtTate", Edge::Top}, 1020},
        {{"TxtTate", Edge::Height}, 4342.5}, {{"Command1", Edge::Left}, 4194},
        {{"BtnMphone", Edge::Left}, 4194},   {{"ScrMgn", Edge::Left}, 4989.6},
        {{"ScrMgn", Edge::Width}, 1555.2},   {{"ScrWidth", Edge::Left}, 6544.8},
        {{"ScrWidth", Edge::Width}, 2332.8}, {{"FrameR", Edge::Left}, 4989.6},
        {{"ScrHeight", Edge::Left}, 4737.6},
    };
    const std::map<Key, double> actual = placed(9000, 6000);
    ASSERT_EQ(actual.size(), expected.size());
    for (const auto &[key, twips] : expected)
        EXPECT_NEAR(actual.at(key), twips, 1e-6)
            << key.first << " " << static_cast<int>(key.second);
}

TEST(ResizeLayout, StepsRunInOrderAndReadWhatEarlierStepsSet) {
    const std::vector<Placement> steps = resizeLayout(9000, 6000);
    ASSERT_EQ(steps.size(), 15u);
    EXPECT_EQ(steps.front(), (Placement{"TxtOri", Edge::Width, 3888}));
    EXPECT_EQ(steps[3].control, "TxtTate");
    EXPECT_EQ(steps[3].edge, Edge::Left);
    EXPECT_EQ(steps.back().control, "ScrHeight");
}

struct StopCase {
    const char *name;
    double width, height;
    std::size_t steps;
};

class ResizeLayoutStop : public testing::TestWithParam<StopCase> {};

TEST_P(ResizeLayoutStop, EndsAtTheFirstNegativeSize) {
    EXPECT_EQ(resizeLayout(GetParam().width, GetParam().height).size(), GetParam().steps);
}

INSTANTIATE_TEST_SUITE_P(Sizes, ResizeLayoutStop,
                         testing::Values(StopCase{"NarrowerThanTwoButtons", 1223, 6000, 0},
                                         StopCase{"ExactlyTwoButtonsWide", 1224, 6000, 15},
                                         StopCase{"LowerThanSixAndAHalfBars", 9000, 1657, 2},
                                         StopCase{"Minimized", 2400, 300, 2},
                                         StopCase{"Tiny", 0, 0, 0}),
                         [](const testing::TestParamInfo<StopCase> &info) {
                             return info.param.name;
                         });

TEST(TwipsToPixels, FifteenTwipsAPixelAt96Dpi) {
    EXPECT_EQ(twipsToPixels(7740, 96), 516);
    EXPECT_EQ(twipsToPixels(4342.5, 96), 290);
    EXPECT_EQ(twipsToPixels(1440, 144), 144);
    EXPECT_EQ(twipsToPixels(0, 96), 0);
}

} // namespace
} // namespace tovalo::app
