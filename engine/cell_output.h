#pragma once

// How a packed cell of the grid is written out: an empty cell as two spaces, a
// one-byte character with its filler space, a full-width mark shaped by MaruShape.

#include "char_rules.h"
#include "walk.h"

#include <bit>
#include <cstdint>
#include <cstring>

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

// A short text of at most three code units, packed for fast writing: the units in
// the low 48 bits, their number in the top 16.
using Piece = std::uint64_t;
static_assert(std::endian::native == std::endian::little, "pieces are written as their bytes");

constexpr Piece pieceOf(std::u16string_view text) {
    Piece piece = Piece{text.size()} << 48;
    for (std::size_t i = 0; i < text.size() && i < 3; ++i)
        piece |= Piece{text[i]} << (16 * i);
    return piece;
}

// The piece a placed cell is written as (its MaruShape form, with its filler space).
[[gnu::always_inline]] inline Piece cellPiece(PackedCell cell, bool maruFix) {
    const char32_t ch = cell & kCharMask;
    const Piece filler = (cell & kFilled) ? 1 : 0;
    if (ch < 0x10000) {
        if (maruFix && !filler) {
            switch (ch) {
            case u'。':
                return pieceOf(u" ｡");
            case u'、':
                return pieceOf(u" ､");
            case u'．':
                return pieceOf(u" .");
            case u'，':
                return pieceOf(u" ,");
            }
        }
        return (Piece{1} + filler) << 48 | filler * (Piece{u' '} << 16) | ch;
    }
    const Piece high = 0xD800 + ((ch - 0x10000) >> 10);
    const Piece low = 0xDC00 + ((ch - 0x10000) & 0x3FF);
    return (Piece{2} + filler) << 48 | filler * (Piece{u' '} << 32) | low << 16 | high;
}

inline std::int64_t pieceUnits(Piece piece) {
    return static_cast<std::int64_t>(piece >> 48);
}

// Writes the piece with one 8-byte store and moves out past it. The store also
// fills up to three code units beyond the piece with garbage: the caller writes
// over them afterwards.
inline void writePiece(char16_t *&out, Piece piece) {
    std::memcpy(out, &piece, sizeof piece);
    out += piece >> 48;
}

} // namespace tovalo::engine
