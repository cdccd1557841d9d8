#include "platform/text/grapheme.h"

#include "platform/text/unicode.h"

namespace tovalo::text {
namespace {

using G = GraphemeClass;

bool isControl(G c) {
    return c == G::CR || c == G::LF || c == G::Control;
}

// The rules between two characters, in the order of precedence of the standard.
bool rulesJoin(G last, G next, std::uint8_t nextProps, bool pictographicBeforeJoiner,
               std::uint32_t indicators) {
    if (last == G::CR && next == G::LF)
        return true;
    if (isControl(last) || isControl(next))
        return false;
    if (last == G::L && (next == G::L || next == G::V || next == G::LV || next == G::LVT))
        return true;
    if ((last == G::LV || last == G::V) && (next == G::V || next == G::T))
        return true;
    if ((last == G::LVT || last == G::T) && next == G::T)
        return true;
    if (next == G::Extend || next == G::ZWJ || next == G::SpacingMark || last == G::Prepend)
        return true;
    if (last == G::ZWJ && pictographicBeforeJoiner && (nextProps & kExtendedPictographic))
        return true;
    return last == G::RegionalIndicator && next == G::RegionalIndicator && indicators % 2 == 1;
}

} // namespace

ClusterJoiner::ClusterJoiner(std::uint8_t firstProps)
    : last_(graphemeClass(firstProps)),
      emoji_((firstProps & kExtendedPictographic) ? Emoji::Pictographic : Emoji::None),
      indicators_(last_ == G::RegionalIndicator ? 1 : 0) {}

bool ClusterJoiner::joins(std::uint8_t nextProps) {
    const G next = graphemeClass(nextProps);
    if (!rulesJoin(last_, next, nextProps, emoji_ == Emoji::AfterJoiner, indicators_))
        return false;
    if (nextProps & kExtendedPictographic)
        emoji_ = Emoji::Pictographic;
    else if (emoji_ == Emoji::Pictographic && next == G::ZWJ)
        emoji_ = Emoji::AfterJoiner;
    else if (!(emoji_ == Emoji::Pictographic && next == G::Extend))
        emoji_ = Emoji::None;
    indicators_ = next == G::RegionalIndicator ? indicators_ + 1 : 0;
    last_ = next;
    return true;
}

std::size_t graphemeEnd(std::u16string_view s, std::size_t start) {
    std::size_t end = start;
    ClusterJoiner joiner(charProps(nextCodePoint(s, end)));
    for (std::size_t i = end; i < s.size(); end = i)
        if (!joiner.joins(charProps(nextCodePoint(s, i))))
            break;
    return end;
}

} // namespace tovalo::text
