#include "app/box_rule.h"

#include "engine/numbers.h"

#include <cstdint>
#include <limits>

namespace tovalo::app {
namespace {

// The sign of a number too large for 32 bits: its first sign or digit tells.
bool isNegative(std::u16string_view number) {
    const std::size_t first = number.find_first_of(u"+-0123456789.");
    return first != std::u16string_view::npos && number[first] == u'-';
}

} // namespace

BoxStep judgeBoxText(std::u16string_view text, BoxRange range) {
    // The height box's reading rounds down, which is exactly the whole part.
    const engine::Reading<std::int32_t> whole = engine::readColHeight(text);
    if (whole.fault == engine::Fault::HeightNotNumber)
        return {BoxStep::Ignore};
    const std::int64_t wholePart = whole.ok()         ? whole.value
                                   : isNegative(text) ? std::numeric_limits<std::int64_t>::min()
                                                      : std::numeric_limits<std::int64_t>::max();
    if (wholePart < range.lower)
        return {BoxStep::RestoreText};
    if (wholePart > range.upper)
        return {BoxStep::KeepText};
    // Within range the rounded value is at most one above the whole part.
    return {BoxStep::MoveBar, engine::readLineCount(text).value};
}

} // namespace tovalo::app
