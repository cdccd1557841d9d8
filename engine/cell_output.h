#pragma once

// How cells of the grid are written out: each as a short piece of text (an empty
// cell as two spaces, a one-byte character with its filler space, a full-width
// mark shaped by MaruShape), packed into 64 bits for fast writing.

#include "char_rules.h"
#include "walk.h"

#include <bit>
#include <cstdint>
#include <cstring>

namespace tovalo::engine {

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

// The piece a cell of the grid is written as: two spaces when it is empty, else its
// MaruShape form, with its filler space.
[[gnu::always_inline]] inline Piece cellPiece(PackedCell cell, bool maruFix) {
    if (cell == 0)
        return pieceOf(u"  ");
    const char32_t ch = cell & kCharMask;
    const Piece filler = (cell & kFilled) ? 1 : 0;
    if (ch < 0x10000) {
        const char16_t unit = static_cast<char16_t>(ch);
        if (std::u16string_view shaped =
                MaruShape(std::u16string_view(&unit, 1), maruFix && !filler);
            shaped.size() == 2)
            return pieceOf(shaped);
        return (Piece{1} + filler) << 48 | filler * (Piece{u' '} << 16) | ch;
    }
    const Piece high = 0xD800 + ((ch - 0x10000) >> 10);
    const Piece low = 0xDC00 + ((ch - 0x10000) & 0x3FF);
    return (Piece{2} + filler) << 48 | filler * (Piece{u' '} << 32) | low << 16 | high;
}

inline std::int64_t pieceUnits(Piece piece) {
    return static_cast<std::int64_t>(piece >> 48);
}

// Writes exactly the piece and moves out past it.
inline void writePieceExact(char16_t *&out, Piece piece) {
    for (std::int64_t i = 0; i < pieceUnits(piece); ++i)
        *out++ = static_cast<char16_t>(piece >> (16 * i));
}

// Writes the piece with one 8-byte store and moves out past it. The store also
// fills up to three code units beyond the piece with garbage: the caller writes
// over them afterwards.
inline void writePiece(char16_t *&out, Piece piece) {
    std::memcpy(out, &piece, sizeof piece);
    out += piece >> 48;
}

} // namespace tovalo::engine
