#pragma once

// How a packed cell of the grid is written out: an empty cell as two spaces, a
// one-byte character with its filler space, a full-width mark shaped by MaruShape.

#include "char_rules.h"
#include "walk.h"

#include <cstdint>

namespace tovalo::engine {

// The shaped form of a lone full-width mark (MaruShape), or nothing.
inline std::u16string_view shapedMark(PackedCell cell, bool maruFix) {
    if (!maruFix)
        return {};
    switch (cell) {
    case kPresent | u'。':
        return u" ｡";
    case kPresent | u'、':
        return u" ､";
    case kPresent | u'．':
        return u" .";
    case kPresent | u'，':
        return u" ,";
    default:
        return {};
    }
}

// Number of UTF-16 code units the cell is written as.
inline std::int64_t cellUnits(PackedCell cell, bool maruFix) {
    if (cell == 0 || !shapedMark(cell, maruFix).empty())
        return 2;
    return 1 + ((cell & kCharMask) > 0xFFFF) + ((cell & kFilled) != 0);
}

// Writes the cell at out and moves out past it.
inline void writeCell(char16_t *&out, PackedCell cell, bool maruFix) {
    const char32_t ch = cell & kCharMask;
    if ((cell & kFilled) == 0 && ch < 0x10000) {
        if (std::u16string_view shaped = shapedMark(cell, maruFix); !shaped.empty()) {
            *out++ = shaped[0];
            *out++ = shaped[1];
        } else if (cell == 0) {
            *out++ = u' ';
            *out++ = u' ';
        } else {
            *out++ = static_cast<char16_t>(ch);
        }
        return;
    }
    if (ch < 0x10000) {
        *out++ = static_cast<char16_t>(ch);
    } else {
        *out++ = static_cast<char16_t>(0xD800 + ((ch - 0x10000) >> 10));
        *out++ = static_cast<char16_t>(0xDC00 + ((ch - 0x10000) & 0x3FF));
    }
    if (cell & kFilled)
        *out++ = u' ';
}

// Writes a piece of at most two code units, such as a separator.
inline void writeShort(char16_t *&out, std::u16string_view piece) {
    if (!piece.empty()) {
        out[0] = piece[0];
        if (piece.size() > 1)
            out[1] = piece[1];
        out += piece.size();
    }
}

// Appends n copies of text.
inline void writeRepeated(char16_t *&out, std::u16string_view text, std::int64_t n) {
    for (std::int64_t i = 0; i < n; ++i)
        for (char16_t c : text)
            *out++ = c;
}

} // namespace tovalo::engine
