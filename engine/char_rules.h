#pragma once

#include "platform/text/full_width.h"
#include "platform/text/vertical_forms.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tovalo::engine {

// The small text functions with which the layouts prepare characters. A character
// here is a Unicode code point: a surrogate pair counts as one.

// The options that decide what goes into the cells.
struct CellRules {
    bool fullWidth = false;     // every character to its full-width form
    bool verticalForms = false; // brackets, dashes, ellipses and arrows to their vertical forms
    bool tateChuYoko = false;   // two half-width digits (or !!, !?, ?!, ??) share one cell
};

// The character as it goes into a cell: "ー" becomes "｜"; then, as the rules say, the
// character is converted to its full-width form and then to its vertical form.
inline char32_t CharChange(char32_t ch, const CellRules &rules) {
    if (ch == u'ー')
        ch = u'｜';
    if (rules.fullWidth)
        ch = text::toFullWidth(ch);
    if (rules.verticalForms)
        ch = text::toVerticalForm(ch);
    return ch;
}

// What is written for a cell or a hanging-row character: with shaping the four
// full-width marks 。、．， move into the right half of their cell.
inline std::u16string_view MaruShape(std::u16string_view cell, bool shaping) {
    if (!shaping || cell.size() != 1)
        return cell;
    switch (cell[0]) {
    case u'。':
        return u" ｡";
    case u'、':
        return u" ､";
    case u'．':
        return u" .";
    case u'，':
        return u" ,";
    default:
        return cell;
    }
}

// The text without its leading line breaks and its trailing blanks and line breaks.
std::u16string_view TrimText(std::u16string_view text);

// True when the cell is exactly one of the eight full stops and commas.
inline bool isMaruChar(char32_t ch) {
    switch (ch) {
    case u'.':
    case u',':
    case u'。':
    case u'．':
    case u'｡':
    case u'、':
    case u'，':
    case u'､':
        return true;
    default:
        return false;
    }
}
inline bool IsMaru(std::u16string_view cell) {
    return cell.size() == 1 && isMaruChar(cell[0]);
}

// Replaces the n-th character from the right of s by c. False, with s unchanged,
// when n is outside 1 to the length of s.
bool PutFromRight(std::u16string &s, std::int32_t n, std::u16string_view c);

// s with sep before each of its cells (user-perceived characters); nothing when s has
// 32767 cells or more and sep is not empty (the count is 16-bit).
std::optional<std::u16string> SepChars(std::u16string_view s, std::u16string_view sep);

} // namespace tovalo::engine
