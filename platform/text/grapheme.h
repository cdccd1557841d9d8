#pragma once

// User-perceived characters: the extended grapheme clusters of Unicode's text
// segmentation rules (a base with its combining marks, an emoji with its modifiers and
// joined parts, a pair of regional indicators, a Hangul syllable of conjoining jamo).

#include "platform/text/char_props.h"

#include <cstddef>
#include <string_view>

namespace tovalo::text {

// Decides, character by character, whether the next character continues the cluster
// that began with the first one.
class ClusterJoiner {
public:
    explicit ClusterJoiner(std::uint8_t firstProps);

    // True when a character with these properties continues the cluster; it then
    // becomes the cluster's last character.
    bool joins(std::uint8_t nextProps);

private:
    enum class Emoji : std::uint8_t { None, Pictographic, AfterJoiner };
    GraphemeClass last_;
    Emoji emoji_;              // an Extended_Pictographic, Extend*, then perhaps ZWJ
    std::uint32_t indicators_; // regional indicators at the end of the cluster
};

// The end of the cluster that begins at s[start] (start < s.size()), in code units.
std::size_t graphemeEnd(std::u16string_view s, std::size_t start);

} // namespace tovalo::text
