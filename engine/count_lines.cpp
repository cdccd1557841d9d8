#include "char_rules.h"
#include "layout.h"
#include "walk.h"

#include <limits>

namespace tovalo::engine {
namespace {

// The estimate keeps no cells: the walk itself needs only the cell just placed.
struct CountingGrid {
    void place(const CellPos &, const Cell &) {}
    Fault hang(const CellPos &, char32_t) { return Fault::None; }
};

} // namespace

LineCount CountLines(std::u16string_view source, std::int32_t colHeight, const Settings &settings) {
    if (colHeight < 1)
        return {0, Fault::HeightBelowOne};
    CountingGrid grid;
    const WalkEnd end =
        walkCells<false>(TrimText(source), colHeight, settings,
                         std::numeric_limits<std::int32_t>::max(), Fault::CursorOverflow, grid);
    if (end.fault != Fault::None)
        return {0, end.fault};
    const std::int64_t count = end.cursor / colHeight + 1;
    if (count > std::numeric_limits<std::int16_t>::max())
        return {0, Fault::ColumnCountOverflow};
    return {static_cast<std::int16_t>(count), Fault::None};
}

} // namespace tovalo::engine
