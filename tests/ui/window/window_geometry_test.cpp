#include "ui/window/window_geometry.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace tovalo::ui {
namespace {

// In the smallest client area the parameter frame ends at the client's right edge.
TEST(MinimumClientSize, KeepsTheFrameAndTheButtonsWhole) {
    for (const double border : {0.0, 120.0}) {
        const ClientSize minimum = minimumClientSize(border);
        double frameLeft = 0;
        for (const Placement &p : resizeLayout(minimum.width + border, 6000))
            if (p.control == "FrameR")
                frameLeft = p.twips;
        EXPECT_DOUBLE_EQ(frameLeft + 3615, minimum.width);
        EXPECT_GT(minimum.width, 7740); // wider than the window the layout first had
        EXPECT_DOUBLE_EQ(minimum.height, 3840 + 615);
    }
}

TEST(ResizeLayout, WindowOf9000By6000) {
    using Key = std::pair<std::string, Edge>;
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
    std::map<Key, double> actual;
    for (const Placement &p : resizeLayout(9000, 6000))
        actual[{std::string(p.control), p.edge}] = p.twips;
    ASSERT_EQ(actual.size(), expected.size());
    for (const auto &[key, twips] : expected)
        EXPECT_NEAR(actual.at(key), twips, 1e-6) << key.first << " " << int(key.second);
}

TEST(ResizeLayout, EndsAtTheFirstNegativeSize) {
    struct Case {
        double width, height;
        std::size_t steps;
    };
    // Narrower than two convert buttons, two wide, too low, minimized, nothing at all.
    for (const Case c : {Case{1223, 6000, 0}, Case{1224, 6000, 15}, Case{9000, 1657, 2},
                         Case{2400, 300, 2}, Case{0, 0, 0}})
        EXPECT_EQ(resizeLayout(c.width, c.height).size(), c.steps) << c.width << "x" << c.height;
}

} // namespace
} // namespace tovalo::ui
