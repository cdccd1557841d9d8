#pragma once

// How cells of the grid are written out: each as a short piece of text (an empty
// cell as two spaces, a half-width cell with its filler space, a full-width mark
// shaped by MaruShape), packed into 64 bits for fast writing. The few cells longer
// than a piece holds (a character with several combining marks, a joined emoji) are
// kept aside and the piece refers to them.

#include "cells.h"
#include "char_rules.h"

#include <bit>
#include <cstdint>
#include <cstring>
#include <vector>

namespace tovalo::engine {

// Appends n copies of text.
inline void writeRepeated(char16_t *&out, std::u16string_view text, std::int64_t n) {
    for (std::int64_t i = 0; i < n; ++i)
        for (char16_t c : text)
            *out++ = c;
}

// A short text of at most three code units, packed for fast writing: the units in
// the low 48 bits, their number in the top 16. A number above three marks a long
// cell, whose index among the long cells stands in the low 48 bits.
using Piece = std::uint64_t;
static_assert(std::endian::native == std::endian::little, "pieces are written as their bytes");

inline constexpr std::uint64_t kShortestLong = 4;

constexpr Piece pieceOf(std::u16string_view text) {
    Piece piece = Piece{text.size()} << 48;
    for (std::size_t i = 0; i < text.size() && i < 3; ++i)
        piece |= Piece{text[i]} << (16 * i);
    return piece;
}

inline constexpr Piece kEmptyPiece = pieceOf(u"  ");

class CellPieces {
public:
    explicit CellPieces(bool shaping) : maruFix_(shaping) {}

    // The piece a cell is written as: its MaruShape form, with its filler space.
    [[gnu::always_inline]] Piece pieceFor(const Cell &cell) {
        const Piece filler = cell.halfWidth ? 1 : 0;
        const char32_t ch = cell.first;
        if (cell.single() && ch < 0x10000) {
            const char16_t unit = static_cast<char16_t>(ch);
            if (std::u16string_view shaped =
                    MaruShape(std::u16string_view(&unit, 1), maruFix_ && !filler);
                shaped.size() == 2)
                return pieceOf(shaped);
            return (Piece{1} + filler) << 48 | filler * (Piece{u' '} << 16) | ch;
        }
        if (cell.single()) {
            const Piece high = 0xD800 + ((ch - 0x10000) >> 10);
            const Piece low = 0xDC00 + ((ch - 0x10000) & 0x3FF);
            return (Piece{2} + filler) << 48 | filler * (Piece{u' '} << 32) | low << 16 | high;
        }
        std::u16string text;
        text::appendCodePoint(text, ch);
        text += cell.rest;
        if (filler)
            text += u' ';
        if (text.size() < kShortestLong)
            return pieceOf(text);
        long_.push_back(std::move(text));
        return kShortestLong << 48 | (long_.size() - 1);
    }

    // The number of code units the piece writes.
    std::int64_t units(Piece piece) const {
        return static_cast<std::int64_t>(isLong(piece) ? longText(piece).size() : piece >> 48);
    }

    // Writes exactly the piece and moves out past it.
    void writeExact(char16_t *&out, Piece piece) const {
        if (isLong(piece)) [[unlikely]]
            return writeLong(out, piece);
        for (std::uint64_t i = 0; i < piece >> 48; ++i)
            *out++ = static_cast<char16_t>(piece >> (16 * i));
    }

    // Writes the piece and moves out past it; a short piece with one 8-byte store,
    // which also fills up to three code units beyond it with garbage: the caller
    // writes over them afterwards.
    [[gnu::always_inline]] void write(char16_t *&out, Piece piece) const {
        if (isLong(piece)) [[unlikely]]
            return writeLong(out, piece);
        std::memcpy(out, &piece, sizeof piece);
        out += piece >> 48;
    }

private:
    static bool isLong(Piece piece) { return piece >> 48 >= kShortestLong; }
    const std::u16string &longText(Piece piece) const {
        return long_[piece & ((Piece{1} << 48) - 1)];
    }
    void writeLong(char16_t *&out, Piece piece) const {
        const std::u16string &text = longText(piece);
        std::memcpy(out, text.data(), text.size() * sizeof(char16_t));
        out += text.size();
    }

    bool maruFix_;
    std::vector<std::u16string> long_;
};

} // namespace tovalo::engine
