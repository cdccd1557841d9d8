#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace tovalo::ui {

// A box's text after an edit, cut to what the box takes.
struct LimitedEdit {
    std::u16string text;
    std::size_t caret; // just after the inserted characters that were kept
};

// Holds typed or pasted input to `limit` characters: of the characters an edit inserts
// into `before` (giving `after`), only as many are kept as fit, the first ones, as a
// box with a length limit does. Deleting is always allowed, even from a longer text
// that the program put in. Nothing when the edit would change nothing.
std::optional<LimitedEdit> limitTyped(std::u16string_view before, std::u16string_view after,
                                      std::size_t limit);

} // namespace tovalo::ui
