#include "engine/layout.h"

#include <gtest/gtest.h>

namespace tovalo::engine {
namespace {

struct CountCase {
    std::u16string source;
    std::int32_t height;
    bool fullWidth;
    std::int16_t count;
};

void PrintTo(const CountCase &c, std::ostream *os) {
    *os << testing::PrintToString(c.source);
}

class CountLinesTest : public testing::TestWithParam<CountCase> {};

TEST_P(CountLinesTest, CountsTheColumnsOfTheFreeLayout) {
    const CountCase &c = GetParam();
    const LineCount e = CountLines(c.source, c.height, {.fullWidth = c.fullWidth});
    ASSERT_TRUE(e.ok()) << describe(e.fault);
    EXPECT_EQ(e.count, c.count);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CountLinesTest,
    testing::Values(CountCase{.source = u"あいう。えお", .height = 3, .count = 2},
                    CountCase{.source = u"", .height = 3, .count = 1},
                    // The half-width stop hangs here although the layout never hangs it.
                    CountCase{.source = u"abc.de", .height = 3, .count = 2},
                    CountCase{.source = u"abc.de", .height = 3, .fullWidth = true, .count = 2},
                    CountCase{.source = u"。あ", .height = 3, .count = 1},
                    CountCase{.source = u"𠮷𠮷𠮷𠮷", .height = 2, .count = 3},
                    // Short lines with tall columns count on without any store limit.
                    CountCase{.source = u"あ\r\nい\r\nう\r\nえ", .height = 10, .count = 4}));

TEST(CountLines, TrimsTheSourceAndFailsOnBadHeights) {
    EXPECT_EQ(CountLines(u"\r\n\r\nあ \r\n\r\n", 3, {}).count, 1);
    EXPECT_EQ(CountLines(u"あ", 0, {}).fault, Fault::HeightBelowOne);
    EXPECT_EQ(CountLines(std::u16string(32767, u'あ'), 1, {}).fault, Fault::ColumnCountOverflow);
    EXPECT_EQ(CountLines(std::u16string(32766, u'あ'), 1, {}).count, 32767);
}

} // namespace
} // namespace tovalo::engine
