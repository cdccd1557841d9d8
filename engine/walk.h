#pragma once

// The placement walk shared by the free layout, the fixed-line-count layout and the
// estimate: characters go into cells column by column, a line break ends its column,
// and a full stop or comma that would open a column hangs under the previous one.

#include "char_rules.h"
#include "fault.h"
#include "options.h"

#include <cstdint>
#include <string_view>

namespace tovalo::engine {

// A cell of the grid packed into 32 bits: 0 is an empty cell; otherwise the
// character (after CharChange) with a flag for the filler space of one-byte characters.
using PackedCell = std::uint32_t;
inline constexpr PackedCell kPresent = 1u << 31;
inline constexpr PackedCell kFilled = 1u << 30;
inline constexpr PackedCell kCharMask = 0x1FFFFF;
// A line break's cell: two spaces, which is exactly a filled space.
inline constexpr PackedCell kBlankCell = kPresent | kFilled | u' ';

inline PackedCell packCell(char32_t ch, bool filled) {
    return kPresent | (filled ? kFilled : 0) | ch;
}

struct WalkEnd {
    std::int64_t cursor = 0; // index of the last cell used
    Fault fault = Fault::None;
};

// The position of a cell: its index k (from 1), and its column and row (from 0),
// kept alongside so that the walk never divides.
struct CellPos {
    std::int64_t k = 0;
    std::int64_t column = 0;
    std::int64_t row = -1;
};

// Walks the trimmed source. `Grid` receives the cells:
//   place(pos, cell)  the cell at pos now holds the packed cell;
//   hang(pos, ch)     the mark ch at the top cell pos hangs under the previous
//                     column; returns a fault or Fault::None.
// `fill` adds the filler flag to one-byte characters (the layouts do, the estimate
// does not, so there the half-width marks can hang too). The cursor may not pass
// `limit`; passing it gives `overflow`.
template <class Grid>
WalkEnd walkCells(std::u16string_view s, std::int32_t colHeight, const ConvOptions &options,
                  bool fill, std::int64_t limit, Fault overflow, Grid &grid) {
    const std::int64_t H = colHeight;
    CellPos pos;
    // A cell at the top of a column, other than cell 1; with columns one cell
    // tall no cell counts as a top.
    auto atTopOfLaterColumn = [&] { return H > 1 && pos.row == 0 && pos.column > 0; };
    const text::OneByteSet &oneByte = text::oneByteCharacters(); // needsFiller, looked up once
    // The two characters read before the current one; 0 stands for "before the text".
    char32_t before1 = 0, before2 = 0, current = 0;
    auto read = [&](std::size_t &i) {
        before2 = before1;
        before1 = current;
        current = nextChar(s, i);
        return current;
    };

    for (std::size_t i = 0; i < s.size();) {
        const char32_t ch = CharChange(read(i), options.ChkChg1);
        if (++pos.k > limit)
            return {pos.k, overflow};
        if (++pos.row == H) {
            pos.row = 0;
            ++pos.column;
        }
        const bool filled = fill && oneByte.contains(ch);
        grid.place(pos, packCell(ch, filled));

        // A mark in cell 1 has no column before it and stays where it is.
        if (options.maruFix && !filled && isMaruChar(ch) && atTopOfLaterColumn()) {
            if (Fault f = grid.hang(pos, ch); f != Fault::None)
                return {pos.k, f};
            --pos.k;
            --pos.column;
            pos.row = H - 1;
            // The cell before a column's top is never an unhandled line break: a
            // break on a bottom cell always moves the cursor on.
            continue;
        }
        if (ch == u'\r') {
            grid.place(pos, kBlankCell);
            const bool lineWasEmpty = before2 == u'\r';
            if (i < s.size())
                read(i); // the character after the break (normally its LF) is skipped
            const bool topOfColumn = H > 1 && pos.row == 0;
            if (lineWasEmpty || !topOfColumn) {
                // On to the bottom cell of this column, or of the next one when the
                // break took this column's bottom cell.
                if (pos.row == H - 1)
                    ++pos.column;
                pos.row = H - 1;
                pos.k = (pos.column + 1) * H;
                if (pos.k > limit)
                    return {pos.k, overflow};
            }
        }
    }
    return {pos.k, Fault::None};
}

} // namespace tovalo::engine
