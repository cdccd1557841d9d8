#include "ui/widgets/box_rule.h"

#include "engine/numbers.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>

namespace tovalo::ui {
namespace {

// The sign of a number too large for 32 bits: its first sign or digit tells.
bool isNegative(std::u16string_view number) {
    const std::size_t first = number.find_first_of(u"+-0123456789.");
    return first != std::u16string_view::npos && number[first] == u'-';
}

} // namespace

WholePart placeWholePart(std::u16string_view text, BoxRange range) {
    // The height box's reading rounds down, which is exactly the whole part.
    const engine::Reading<std::int32_t> whole = engine::readColHeight(text);
    if (whole.fault == engine::Fault::HeightNotNumber)
        return {WholePart::NotNumber};
    if (!whole.ok())
        return {isNegative(text) ? WholePart::Below : WholePart::Above};
    if (whole.value < range.lower)
        return {WholePart::Below};
    if (whole.value > range.upper)
        return {WholePart::Above};
    return {WholePart::Within, whole.value};
}

BoxStep judgeBoxText(std::u16string_view text, BoxRange range) {
    switch (placeWholePart(text, range).place) {
    case WholePart::NotNumber:
        return {BoxStep::Ignore};
    case WholePart::Below:
        return {BoxStep::RestoreText};
    case WholePart::Above:
        return {BoxStep::KeepText};
    case WholePart::Within:
        break;
    }
    // Within range the rounded value is at most one above the whole part.
    return {BoxStep::MoveBar, engine::readLineCount(text).value};
}

std::optional<double> readNumber(std::u16string_view text) {
    const std::size_t first = text.find_first_not_of(u" \t");
    if (first == std::u16string_view::npos)
        return std::nullopt;
    text = text.substr(first, text.find_last_not_of(u" \t") - first + 1);
    std::string ascii;
    for (char16_t c : text) {
        if (c >= 0x80)
            return std::nullopt;
        ascii += static_cast<char>(c);
    }
    // from_chars reads neither a plus sign nor the words "inf" and "nan".
    const bool negative = ascii.starts_with('-');
    if (ascii.starts_with('+') || negative)
        ascii.erase(0, 1);
    if (ascii.empty() || ascii.starts_with('-') || ascii.starts_with('+') ||
        ascii.find_first_not_of("0123456789.eE+-") != std::string::npos)
        return std::nullopt;
    double value = 0;
    const auto [end, error] = std::from_chars(ascii.data(), ascii.data() + ascii.size(), value);
    if (end != ascii.data() + ascii.size())
        return std::nullopt;
    if (error == std::errc::result_out_of_range) {
        // Too large or too small for a double: infinite, or zero for a negative exponent.
        const std::size_t exponent = ascii.find_first_of("eE");
        const bool tiny = exponent != std::string::npos && ascii[exponent + 1] == '-';
        value = tiny ? 0.0 : std::numeric_limits<double>::infinity();
    } else if (error != std::errc()) {
        return std::nullopt;
    }
    return negative ? -value : value;
}

std::optional<int> sideWhileTyping(std::u16string_view text, BoxRange range) {
    const std::optional<double> number = readNumber(text);
    if (!number || *number < range.lower || *number > range.upper)
        return std::nullopt;
    return static_cast<int>(std::floor(*number));
}

std::optional<std::u16string> sideWhenLeft(std::u16string_view text, BoxRange range, int current) {
    const auto digits = [](int value) {
        const std::string ascii = std::to_string(value);
        return std::u16string(ascii.begin(), ascii.end());
    };
    const std::optional<double> number = readNumber(text);
    if (!number)
        return digits(current);
    if (*number < range.lower)
        return digits(range.lower);
    if (*number > range.upper)
        return digits(range.upper);
    return std::nullopt;
}

std::u16string asciiNumberText(std::u16string_view text) {
    std::u16string out(text);
    for (char16_t &c : out) {
        if (c >= u'０' && c <= u'９')
            c = static_cast<char16_t>(u'0' + (c - u'０'));
        else if (c == u'．')
            c = u'.';
        else if (c == u'－' || c == u'ー' || c == u'−')
            c = u'-';
        else if (c == u'＋')
            c = u'+';
        else if (c == u'ｅ' || c == u'Ｅ')
            c = u'e';
        else if (c == u'\u3000')
            c = u' ';
    }
    return out;
}

} // namespace tovalo::ui
