#include "engine/numbers.h"

#include <gtest/gtest.h>

namespace tovalo::engine {
namespace {

struct NumberCase {
    std::u16string text;
    long long value; // 0 when fault is set
    Fault fault = Fault::None;
};

template <class Read> void expectReadings(Read read, std::initializer_list<NumberCase> cases) {
    for (const NumberCase &c : cases) {
        const auto r = read(c.text);
        EXPECT_EQ(r.fault, c.fault) << testing::PrintToString(c.text);
        EXPECT_EQ(r.ok() ? r.value : 0, c.value) << testing::PrintToString(c.text);
    }
}

TEST(NumberReading, HeightRoundsDown) {
    expectReadings(readColHeight, {{u"10.7", 10},
                                   {u" 7 ", 7},
                                   {u"\t+3", 3},
                                   {u"1e3", 1000},
                                   {u"5.", 5},
                                   {u".5", 0},
                                   {u"-0.5", -1},
                                   {u"2147483647.9", 2147483647},
                                   {u"2147483648", 0, Fault::HeightOutOfRange},
                                   {u"1e400", 0, Fault::HeightOutOfRange}});
    for (const char16_t *text : {u"", u"   ", u"abc", u"1 0", u"--5", u".", u"1e", u"nan", u"１０"})
        EXPECT_EQ(readColHeight(text).fault, Fault::HeightNotNumber)
            << testing::PrintToString(std::u16string(text));
}

TEST(NumberReading, LinesRoundHalvesToEven) {
    expectReadings(readLineCount, {{u"4.5", 4},
                                   {u"5.5", 6},
                                   {u"2.5", 2},
                                   {u"3.5", 4},
                                   {u"4.6", 5},
                                   {u"32767.4", 32767},
                                   {u"32767.5", 0, Fault::LinesOutOfRange},
                                   {u"-32768", -32768},
                                   {u"x", 0, Fault::LinesNotNumber}});
}

TEST(NumberReading, MarginRoundsDown) {
    expectReadings(readMargin, {{u"2.9", 2},
                                {u"q", 0, Fault::MarginNotNumber},
                                {u"9999999999", 0, Fault::MarginOutOfRange}});
}

} // namespace
} // namespace tovalo::engine
