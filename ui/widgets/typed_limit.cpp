#include "ui/widgets/typed_limit.h"

#include <algorithm>

namespace tovalo::ui {

std::optional<LimitedEdit> limitTyped(std::u16string_view before, std::u16string_view after,
                                      std::size_t limit) {
    if (after.size() <= limit || after.size() <= before.size())
        return LimitedEdit{std::u16string(after), after.size()};
    // The edit replaced the part of `before` between an unchanged start and end.
    const std::size_t shorter = std::min(before.size(), after.size());
    std::size_t start = 0;
    while (start < shorter && before[start] == after[start])
        ++start;
    std::size_t end = 0;
    while (end < shorter - start &&
           before[before.size() - 1 - end] == after[after.size() - 1 - end])
        ++end;
    const std::u16string_view inserted = after.substr(start, after.size() - start - end);
    const std::size_t room = limit > start + end ? limit - (start + end) : 0;
    std::u16string_view kept = inserted.substr(0, room);
    // A character outside the basic plane is kept whole or not at all.
    if (!kept.empty() && kept.size() < inserted.size() && kept.back() >= 0xD800 &&
        kept.back() < 0xDC00)
        kept.remove_suffix(1);
    std::u16string text(after.substr(0, start));
    text += kept;
    text += after.substr(after.size() - end);
    if (text == before)
        return std::nullopt;
    return LimitedEdit{text, start + kept.size()};
}

} // namespace tovalo::ui
