#include "engine/numbers.h"

#include <gtest/gtest.h>

namespace tovalo::engine {
namespace {

struct NumberCase {
    std::u16string text;
    long long value; // ignored when fault is set
    Fault fault;
};

void PrintTo(const NumberCase &c, std::ostream *os) {
    *os << testing::PrintToString(c.text);
}

class HeightReading : public testing::TestWithParam<NumberCase> {};
TEST_P(HeightReading, RoundsDown) {
    auto r = readColHeight(GetParam().text);
    EXPECT_EQ(r.fault, GetParam().fault);
    if (r.ok()) {
        EXPECT_EQ(r.value, GetParam().value);
    }
}
INSTANTIATE_TEST_SUITE_P(
    Cases, HeightReading,
    testing::Values(
        NumberCase{u"10.7", 10, Fault::None}, NumberCase{u" 7 ", 7, Fault::None},
        NumberCase{u"\t+3", 3, Fault::None}, NumberCase{u"1e3", 1000, Fault::None},
        NumberCase{u"5.", 5, Fault::None}, NumberCase{u".5", 0, Fault::None},
        NumberCase{u"-0.5", -1, Fault::None}, NumberCase{u"2147483647.9", 2147483647, Fault::None},
        NumberCase{u"2147483648", 0, Fault::HeightOutOfRange},
        NumberCase{u"1e400", 0, Fault::HeightOutOfRange},
        NumberCase{u"", 0, Fault::HeightNotNumber}, NumberCase{u"   ", 0, Fault::HeightNotNumber},
        NumberCase{u"abc", 0, Fault::HeightNotNumber},
        NumberCase{u"1 0", 0, Fault::HeightNotNumber},
        NumberCase{u"--5", 0, Fault::HeightNotNumber}, NumberCase{u".", 0, Fault::HeightNotNumber},
        NumberCase{u"1e", 0, Fault::HeightNotNumber}, NumberCase{u"nan", 0, Fault::HeightNotNumber},
        NumberCase{u"１０", 0, Fault::HeightNotNumber}));

class LinesReading : public testing::TestWithParam<NumberCase> {};
TEST_P(LinesReading, RoundsHalvesToEven) {
    auto r = readLineCount(GetParam().text);
    EXPECT_EQ(r.fault, GetParam().fault);
    if (r.ok()) {
        EXPECT_EQ(r.value, GetParam().value);
    }
}
INSTANTIATE_TEST_SUITE_P(
    Cases, LinesReading,
    testing::Values(NumberCase{u"4.5", 4, Fault::None}, NumberCase{u"5.5", 6, Fault::None},
                    NumberCase{u"2.5", 2, Fault::None}, NumberCase{u"3.5", 4, Fault::None},
                    NumberCase{u"4.6", 5, Fault::None}, NumberCase{u"32767.4", 32767, Fault::None},
                    NumberCase{u"32767.5", 0, Fault::LinesOutOfRange},
                    NumberCase{u"-32768", -32768, Fault::None},
                    NumberCase{u"x", 0, Fault::LinesNotNumber}));

TEST(MarginReading, RoundsDownAndNamesTheMargin) {
    EXPECT_EQ(readMargin(u"2.9").value, 2);
    EXPECT_EQ(readMargin(u"q").fault, Fault::MarginNotNumber);
    EXPECT_EQ(readMargin(u"9999999999").fault, Fault::MarginOutOfRange);
}

} // namespace
} // namespace tovalo::engine
