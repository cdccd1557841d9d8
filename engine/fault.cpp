#include "fault.h"

namespace tovalo::engine {

const char *describe(Fault fault) {
    switch (fault) {
    case Fault::None:
        return "no error";
    case Fault::HeightNotNumber:
        return "the height is not a number";
    case Fault::HeightOutOfRange:
        return "the height is out of range";
    case Fault::HeightBelowOne:
        return "the height must be at least 1";
    case Fault::LinesNotNumber:
        return "the number of lines is not a number";
    case Fault::LinesOutOfRange:
        return "the number of lines is out of range (at most 32767)";
    case Fault::LinesBelowOne:
        return "the number of lines must be at least 1";
    case Fault::MarginNotNumber:
        return "the margin is not a number";
    case Fault::MarginOutOfRange:
        return "the margin is out of range";
    case Fault::MarginNegative:
        return "the margin must not be negative";
    case Fault::CellStoreOverflow:
        return "twice the height times the number of lines exceeds 2147483647";
    case Fault::CursorOverflow:
        return "the text needs more than 2147483647 cells";
    case Fault::ColumnCountOverflow:
        return "the text needs more than 32767 lines";
    case Fault::RowTooLong:
        return "a hanging row of 32767 characters or more cannot take separators";
    case Fault::SourceTooLong:
        return "the fixed number of lines takes texts of fewer than 32767 characters";
    case Fault::CellIndexOverflow:
        return "the fixed number of lines takes at most 32767 cells";
    case Fault::HeightTooLarge:
        return "the fixed number of lines takes a height of at most 32767";
    case Fault::ResultTooLarge:
        return "the result would be too large";
    }
    return "unknown error";
}

} // namespace tovalo::engine
