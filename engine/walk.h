#pragma once

// The placement walk shared by the free layout, the fixed-line-count layout and the
// estimate: cells go into the grid column by column, a line break ends its column,
// and a full stop or comma that would open a column hangs under the previous one.

#include "cells.h"
#include "fault.h"
#include "settings.h"

#include <cstdint>
#include <string_view>

namespace tovalo::engine {

// What a line break leaves in its cell: two spaces, which is exactly a filled space.
inline constexpr Cell kBlankCell{u' ', {}, true};

// The checks both layouts start with: at least one cell per column and one column, and
// no negative margin.
inline Fault checkParams(const ConvParams &params) {
    if (params.colHeight < 1)
        return Fault::HeightBelowOne;
    if (params.lineCount < 1)
        return Fault::LinesBelowOne;
    if (params.margin < 0)
        return Fault::MarginNegative;
    return Fault::None;
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
//   place(pos, cell)  the cell at pos now holds `cell`;
//   hang(pos, ch)     the mark ch, which would open the column of pos, hangs under the
//                     previous column instead; returns a fault or Fault::None.
// A mark that hangs is never placed, so it leaves no copy in the grid. `fill` says
// whether half-width cells get their filler space (the layouts do, the estimate does
// not, so there the half-width marks can hang too). The cursor may not pass `limit`;
// passing it gives `overflow`.
template <bool fill, class Grid>
WalkEnd walkCells(std::u16string_view s, std::int32_t colHeight, const Settings &settings,
                  std::int64_t limit, Fault overflow, Grid &grid) {
    const std::int64_t H = colHeight;
    CellPos pos;
    // A cell at the top of a column, other than cell 1; with columns one cell
    // tall no cell counts as a top.
    auto atTopOfLaterColumn = [&] { return H > 1 && pos.row == 0 && pos.column > 0; };
    // The first characters of the two cells read before the current one; 0 stands for
    // "before the text".
    char32_t before1 = 0, before2 = 0, current = 0;
    CellReader reader(s, cellRulesOf(settings));
    auto read = [&] {
        const Cell cell = reader.next();
        before2 = before1;
        before1 = current;
        current = cell.first;
        return cell;
    };

    while (!reader.atEnd()) {
        const Cell cell = read();
        if (++pos.k > limit)
            return {pos.k, overflow};
        if (++pos.row == H) {
            pos.row = 0;
            ++pos.column;
        }

        // A mark in cell 1 has no column before it and stays where it is.
        if (atTopOfLaterColumn() && settings.shaping && cell.single() && isMaruChar(cell.first) &&
            !(fill && cell.halfWidth)) {
            if (Fault f = grid.hang(pos, cell.first); f != Fault::None)
                return {pos.k, f};
            --pos.k;
            --pos.column;
            pos.row = H - 1;
            // The cell before a column's top is never an unhandled line break: a
            // break on a bottom cell always moves the cursor on.
            continue;
        }
        if (cell.first != u'\r') {
            grid.place(pos, cell);
            continue;
        }
        grid.place(pos, kBlankCell);
        const bool lineWasEmpty = before2 == u'\r';
        if (!reader.atEnd())
            read(); // the cell after the break (normally its LF) is skipped
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
    return {pos.k, Fault::None};
}

} // namespace tovalo::engine
