#include "ui/widgets/box_rule.h"

#include "engine/numbers.h"

#include <cstdint>

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

} // namespace tovalo::ui
