#include "cell_output.h"
#include "layout.h"
#include "walk.h"

#include <limits>
#include <vector>

namespace tovalo::engine {
namespace {

constexpr std::int64_t kMax16 = std::numeric_limits<std::int16_t>::max();

// The grid of the fixed-line-count layout: the cells as the pieces they are written
// as (cell 0 unused; a cell never placed is empty) and one hanging row per page, each
// `width` characters of U+3000 until a mark hangs in it.
struct PageGrid {
    CellPieces pieces;
    std::vector<Piece> cells;
    std::vector<std::u16string> hanging;
    std::int64_t colHeight;
    std::int64_t width;

    void place(const CellPos &pos, const Cell &cell) {
        if (static_cast<std::size_t>(pos.k) >= cells.size())
            cells.resize(pos.k + 1, kEmptyPiece);
        cells[pos.k] = pieces.pieceFor(cell);
    }

    std::u16string &rowOfPage(std::int64_t page) {
        while (hanging.size() <= static_cast<std::size_t>(page))
            hanging.emplace_back(width, u'\u3000');
        return hanging[page];
    }

    // A mark opening a column hangs under the previous column, which may be the last
    // (leftmost) column of the page before.
    Fault hang(const CellPos &pos, char32_t mark) {
        const std::int64_t page = (pos.k - 2) / (width * colHeight);
        const std::int64_t column = pos.column - page * width;
        const char16_t c[1] = {static_cast<char16_t>(mark)};
        PutFromRight(rowOfPage(page), static_cast<std::int32_t>(column), std::u16string_view(c, 1));
        return Fault::None;
    }
};

} // namespace

LayoutResult FixedLines(std::u16string_view trimmed, const ConvParams &params,
                        const Settings &settings) {
    if (Fault f = checkParams(params); f != Fault::None)
        return {{}, f};
    if (params.colHeight > kMax16)
        return {{}, Fault::HeightTooLarge};
    if (static_cast<std::int64_t>(trimmed.size()) >= kMax16)
        return {{}, Fault::SourceTooLong};

    // A text that needs fewer columns than asked for gives one page just as wide as the text.
    const LineCount estimate = CountLines(trimmed, params.colHeight, settings);
    if (!estimate.ok())
        return {{}, estimate.fault};
    const std::int64_t H = params.colHeight;
    const std::int64_t W = std::min<std::int64_t>(params.lineCount, estimate.count);
    const bool shaping = settings.shaping;
    const std::u16string_view sep = separatorOf(params, settings);

    PageGrid grid{CellPieces(shaping), {}, {}, H, W};
    grid.cells.reserve(trimmed.size() + 1);
    const WalkEnd end = walkCells<true>(trimmed, params.colHeight, settings, kMax16,
                                        Fault::CellIndexOverflow, grid);
    if (end.fault != Fault::None)
        return {{}, end.fault};

    const std::int64_t lastPage = end.cursor / H / W;
    const std::int64_t pageCells = W * H;
    const std::int64_t pages = lastPage + 1;

    // The length of the result with every cell taken as empty (two spaces), checked
    // before anything of that size is built.
    const std::int64_t sepUnits = static_cast<std::int64_t>(sep.size());
    const std::int64_t ruleUnits =
        W * (sepUnits + static_cast<std::int64_t>(settings.pageRule.size())) + 4;
    const std::int64_t rowsPerPage = H + (shaping ? 1 : 0);
    std::int64_t total = (pages + 1) * ruleUnits + pages * rowsPerPage * params.margin +
                         pages * (H + 1) * 2 + pages * pageCells * (sepUnits + 2);
    if (total > kMaxResultUnits)
        return {{}, Fault::ResultTooLarge};

    grid.cells.resize(pages * pageCells + 1, kEmptyPiece);
    if (shaping) {
        grid.rowOfPage(lastPage);
        for (std::int64_t pg = 0; pg <= lastPage; ++pg) {
            std::optional<std::u16string> separated = SepChars(grid.hanging[pg], sep);
            if (!separated)
                return {{}, Fault::RowTooLong};
            grid.hanging[pg] = std::move(*separated);
        }
    }

    // The rule line: W times the separator and the rule text, then an empty line.
    std::u16string rule;
    for (std::int64_t c = 0; c < W; ++c) {
        rule += sep;
        rule += settings.pageRule;
    }
    rule += u"\r\n\r\n";

    for (std::int64_t i = 1; i <= pages * pageCells; ++i)
        total += grid.pieces.units(grid.cells[i]) - 2;
    if (shaping)
        for (std::int64_t pg = 0; pg < pages; ++pg)
            for (char16_t c : grid.hanging[pg])
                total += MaruShape(std::u16string_view(&c, 1), shaping).size();
    if (total > kMaxResultUnits)
        return {{}, Fault::ResultTooLarge};

    std::u16string text(total, u'\0');
    char16_t *out = text.data();
    writeRepeated(out, rule, 1);
    for (std::int64_t pg = 0; pg < pages; ++pg) {
        for (std::int64_t r = 1; r <= H; ++r) {
            writeRepeated(out, u" ", params.margin);
            for (std::int64_t c = 1; c <= W; ++c) {
                writeRepeated(out, sep, 1);
                grid.pieces.writeExact(out, grid.cells[pg * pageCells + (W - c) * H + r]);
            }
            writeRepeated(out, u"\r\n", 1);
        }
        if (shaping) {
            writeRepeated(out, u" ", params.margin);
            for (char16_t c : grid.hanging[pg])
                writeRepeated(out, MaruShape(std::u16string_view(&c, 1), shaping), 1);
        }
        writeRepeated(out, u"\r\n", 1);
        writeRepeated(out, rule, 1);
    }
    return {std::u16string(TrimText(text)), Fault::None};
}

} // namespace tovalo::engine
