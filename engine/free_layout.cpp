#include "cell_output.h"
#include "layout.h"
#include "walk.h"

#include <algorithm>
#include <cassert>
#include <limits>
#include <vector>

namespace tovalo::engine {
namespace {

// The grid of the free layout. Every column is filled from its top without gaps
// (a line break moves on to the next column, and a mark that hangs is not placed),
// so the store keeps only the cells that were placed, in order and already in the
// form they are written in, and for each column where its cells start and how many
// there are; every other cell is empty. The hanging row grows on its left when a
// mark hangs beyond its length.
struct FreeGrid {
    struct Column {
        std::size_t start = 0; // index of the column's top cell in `placed`
        std::int64_t fill = 0; // cells placed from the top
    };
    std::int64_t colHeight;
    CellPieces pieces;
    std::vector<Piece> placed;
    std::vector<Column> columns;
    std::u16string hanging;

    [[gnu::always_inline]] void place(const CellPos &pos, const Cell &cell) {
        if (pos.row == 0) {
            columns.resize(pos.column, Column{placed.size(), 0});
            columns.push_back({placed.size(), 0});
        }
        assert(static_cast<std::int64_t>(columns.size()) == pos.column + 1 &&
               columns.back().fill == pos.row);
        ++columns.back().fill;
        placed.push_back(pieces.pieceFor(cell));
    }

    Fault hang(const CellPos &pos, char32_t mark) {
        const std::int64_t t = pos.column; // the column the mark hangs under, from 1
        if (t > std::numeric_limits<std::int16_t>::max())
            return Fault::ColumnCountOverflow;
        if (static_cast<std::size_t>(t) > hanging.size())
            hanging.insert(0, t - hanging.size(), u'\u3000');
        const char16_t c[1] = {static_cast<char16_t>(mark)};
        PutFromRight(hanging, static_cast<std::int32_t>(t), std::u16string_view(c, 1));
        return Fault::None;
    }
};

} // namespace

LayoutResult FreeLayout(std::u16string_view trimmed, const ConvParams &params,
                        const Settings &settings) {
    if (Fault f = checkParams(params); f != Fault::None)
        return {{}, f};
    if (std::int64_t{2} * params.colHeight * params.lineCount >
        std::numeric_limits<std::int32_t>::max())
        return {{}, Fault::CellStoreOverflow};
    const std::int64_t H = params.colHeight;
    const bool shaping = settings.shaping;
    const std::u16string_view sep = separatorOf(params, settings);

    FreeGrid grid{H, CellPieces(shaping), {}, {}, {}};
    grid.placed.reserve(trimmed.size());
    grid.columns.reserve(params.lineCount);
    if (shaping)
        grid.hanging.assign(params.lineCount, u'\u3000');

    const WalkEnd end = walkCells<true>(trimmed, params.colHeight, settings, kMaxResultUnits,
                                        Fault::ResultTooLarge, grid);
    if (end.fault != Fault::None)
        return {{}, end.fault};

    const std::int64_t n = end.cursor / H + 1; // columns written
    if (n > std::numeric_limits<std::int16_t>::max())
        return {{}, Fault::ColumnCountOverflow};
    const std::int64_t rowOverhead = std::int64_t{params.margin} + 2; // margin and CR LF
    if (n * H > kMaxResultUnits || H * rowOverhead > kMaxResultUnits)
        return {{}, Fault::ResultTooLarge};
    grid.columns.resize(n, FreeGrid::Column{grid.placed.size(), 0});

    std::u16string hanging;
    if (shaping) {
        std::optional<std::u16string> separated = SepChars(grid.hanging, sep);
        if (!separated)
            return {{}, Fault::RowTooLong};
        hanging = std::move(*separated);
    }

    // The length of the result: every cell counts as an empty one (two spaces),
    // corrected for the cells placed.
    const Piece *placed = grid.placed.data();
    const std::int64_t sepUnits = static_cast<std::int64_t>(sep.size());
    std::int64_t total = H * (rowOverhead + n * (2 + sepUnits));
    for (std::size_t i = 0; i < grid.placed.size(); ++i)
        total += grid.pieces.units(placed[i]) - 2;
    if (shaping)
        total += params.margin; // the hanging row begins with the margin like every row
    for (char16_t c : hanging)
        total += MaruShape(std::u16string_view(&c, 1), shaping).size();
    if (total > kMaxResultUnits)
        return {{}, Fault::ResultTooLarge};

    // Every cell but the rightmost of a row is written with 8-byte stores whose
    // garbage tail the following cells, or the rightmost cell and CR LF, write over;
    // the rightmost cell is written exactly.
    LayoutResult result;
    result.text.resize(total);
    char16_t *out = result.text.data();
    const Piece sepPiece = pieceOf(sep);
    const FreeGrid::Column *columns = grid.columns.data();
    const CellPieces &pieces = grid.pieces;
    for (std::int64_t r = 0; r < H; ++r) {
        writeRepeated(out, u" ", params.margin);
        for (std::int64_t c = n - 1; c > 0; --c) {
            const FreeGrid::Column &column = columns[c];
            pieces.write(out, sepPiece);
            pieces.write(out, r < column.fill ? placed[column.start + r] : kEmptyPiece);
        }
        pieces.writeExact(out, sepPiece);
        pieces.writeExact(out, r < columns[0].fill ? placed[columns[0].start + r] : kEmptyPiece);
        *out++ = u'\r';
        *out++ = u'\n';
    }
    if (shaping)
        writeRepeated(out, u" ", params.margin);
    for (char16_t c : hanging)
        writeRepeated(out, MaruShape(std::u16string_view(&c, 1), shaping), 1);
    return result;
}

} // namespace tovalo::engine
