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
    testing::Values(CountCase{u"あいうえおかき", 3, false, 3},
                    CountCase{u"あいう。えお", 3, false, 2}, CountCase{u"あい\r\nう", 3, false, 3},
                    CountCase{u"あいう\r\nえお", 3, false, 3}, CountCase{u"", 3, false, 1},
                    CountCase{u"\r\n \r\n", 3, false, 1},
                    // The half-width stop hangs here although the layout never hangs it.
                    CountCase{u"abc.de", 3, false, 2}, CountCase{u"abc.de", 3, true, 2},
                    CountCase{u"あいうえおか", 3, false, 3}, CountCase{u"。あ", 3, false, 1},
                    CountCase{u"𠮷𠮷𠮷𠮷", 2, false, 3},
                    // Short lines with tall columns count on without any store limit.
                    CountCase{u"あ\r\nい\r\nう\r\nえ", 10, false, 4}));

TEST(CountLines, TrimsTheSourceAndFailsOnBadHeights) {
    EXPECT_EQ(CountLines(u"\r\n\r\nあ \r\n\r\n", 3, {}).count, 1);
    EXPECT_EQ(CountLines(u"あ", 0, {}).fault, Fault::HeightBelowOne);
    EXPECT_EQ(CountLines(std::u16string(32767, u'あ'), 1, {}).fault, Fault::ColumnCountOverflow);
    EXPECT_EQ(CountLines(std::u16string(32766, u'あ'), 1, {}).count, 32767);
}

} // namespace
} // namespace tovalo::engine
