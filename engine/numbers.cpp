#include "numbers.h"

#include <cmath>
#include <cstdlib>
#include <limits>
#include <optional>
#include <string>

namespace tovalo::engine {
namespace {

bool isBlank(char16_t c) {
    return c == u' ' || c == u'\t' || c == u'\u3000';
}
bool isDigit(char16_t c) {
    return c >= u'0' && c <= u'9';
}

// Parses [sign] digits [. digits] [e [sign] digits] between optional blanks.
std::optional<double> parseDecimal(std::u16string_view text) {
    size_t b = 0, e = text.size();
    while (b < e && isBlank(text[b]))
        ++b;
    while (e > b && isBlank(text[e - 1]))
        --e;
    std::string ascii;
    size_t i = b;
    auto take = [&](auto pred) {
        size_t start = i;
        while (i < e && pred(text[i]))
            ascii += static_cast<char>(text[i++]);
        return i - start;
    };
    take([](char16_t c) { return c == u'+' || c == u'-'; });
    if (ascii.size() > 1)
        return std::nullopt;
    size_t digits = take(isDigit);
    if (i < e && text[i] == u'.') {
        ascii += '.';
        ++i;
        digits += take(isDigit);
    }
    if (digits == 0)
        return std::nullopt;
    if (i < e && (text[i] == u'e' || text[i] == u'E')) {
        ascii += 'e';
        ++i;
        if (i < e && (text[i] == u'+' || text[i] == u'-'))
            ascii += static_cast<char>(text[i++]);
        if (take(isDigit) == 0)
            return std::nullopt;
    }
    if (i != e)
        return std::nullopt;
    return std::strtod(ascii.c_str(), nullptr);
}

template <class T>
Reading<T> readAs(std::u16string_view text, double (*round)(double), Fault notNumber,
                  Fault outOfRange) {
    std::optional<double> number = parseDecimal(text);
    if (!number)
        return {0, notNumber};
    double rounded = round(*number);
    if (!(rounded >= std::numeric_limits<T>::min() && rounded <= std::numeric_limits<T>::max()))
        return {0, outOfRange};
    return {static_cast<T>(rounded), Fault::None};
}

// Rounds to the nearest integer, exact halves to the even neighbour.
double roundHalfEven(double x) {
    return std::nearbyint(x);
}

} // namespace

Reading<std::int32_t> readColHeight(std::u16string_view text) {
    return readAs<std::int32_t>(text, std::floor, Fault::HeightNotNumber, Fault::HeightOutOfRange);
}

Reading<std::int16_t> readLineCount(std::u16string_view text) {
    return readAs<std::int16_t>(text, roundHalfEven, Fault::LinesNotNumber, Fault::LinesOutOfRange);
}

Reading<std::int32_t> readMargin(std::u16string_view text) {
    return readAs<std::int32_t>(text, std::floor, Fault::MarginNotNumber, Fault::MarginOutOfRange);
}

} // namespace tovalo::engine
