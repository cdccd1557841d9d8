#pragma once

#include <cstdint>

namespace tovalo::engine {

// Why a conversion, an estimate or a page build failed. None means it succeeded.
enum class Fault : std::uint8_t {
    None,
    HeightNotNumber,
    HeightOutOfRange,
    HeightBelowOne,
    LinesNotNumber,
    LinesOutOfRange,
    LinesBelowOne,
    MarginNotNumber,
    MarginOutOfRange,
    MarginNegative,
    CellStoreOverflow,   // twice height times lines does not fit in 32 bits
    CursorOverflow,      // the cell cursor passed the 32-bit range
    ColumnCountOverflow, // more than 32767 columns
    RowTooLong,          // a hanging row of 32767 characters or more to be separated
    SourceTooLong,       // the fixed-line-count layout takes fewer than 32767 characters
    CellIndexOverflow,   // the fixed-line-count layout passed cell 32767
    HeightTooLarge,      // the fixed-line-count layout takes at most 32767 rows
    ResultTooLarge,      // the result would not fit in memory a text pane can show
};

// A one-line English description of the fault, for messages on the command line.
const char *describe(Fault fault);

} // namespace tovalo::engine
