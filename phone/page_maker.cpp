#include "phone/page_maker.h"

#include "engine/cells.h"
#include "engine/layout.h"

#include <cstddef>
#include <vector>

namespace tovalo::phone {
namespace {

// Rows and cells are counted in 8-bit counters that must also hold the count one
// past the last row or cell.
constexpr int kMaxSide = 254;
// Text positions and cell numbers are 16-bit.
constexpr std::int64_t kMax16 = 32767;

// What a line break of the source leaves in the flow of cells.
constexpr engine::Cell kBreakCell{U'　', {}, false};

struct Cells {
    std::vector<engine::Cell> cells; // in reading order
    std::int64_t consumed = 0;       // cells read, those skipped after a CR included
};

// Reads the trimmed text into cells: every user-perceived character takes one cell,
// its first character after CharChange; a line break takes a single blank cell.
Cells readCells(std::u16string_view text, const engine::CellRules &rules) {
    Cells read;
    read.cells.reserve(text.size());
    for (engine::CellReader reader(text, rules); !reader.atEnd();) {
        engine::Cell cell = reader.next();
        ++read.consumed;
        if (cell.first == U'\r') {
            cell = kBreakCell;
            // The cell after the break (normally its LF) is skipped: it takes no place
            // but still counts towards the pages.
            if (!reader.atEnd()) {
                reader.next();
                ++read.consumed;
            }
        }
        read.cells.push_back(cell);
    }
    return read;
}

void appendCell(std::u16string &out, const Cells &read, std::size_t n) {
    if (n >= read.cells.size()) {
        out += u"  ";
        return;
    }
    const engine::Cell &cell = read.cells[n];
    text::appendCodePoint(out, cell.first);
    out += cell.rest;
    if (cell.halfWidth)
        out += u' ';
}

void appendRule(std::u16string &out, std::u16string_view rule, int width) {
    out += u' ';
    for (int c = 1; c < width; ++c)
        out += rule;
    out += u"\r\n";
}

PhonePages failure(PageFault fault) {
    return {std::u16string(kFailureText), fault};
}

} // namespace

const char *describe(PageFault fault) {
    switch (fault) {
    case PageFault::None:
        return "no error";
    case PageFault::HeightOutOfRange:
        return "the page height must be 1 to 254 rows";
    case PageFault::WidthOutOfRange:
        return "the page width must be 1 to 254 cells (2 to 255 with line breaks)";
    case PageFault::SourceTooLong:
        return "the text must be shorter than 32767 characters";
    case PageFault::TooManyCells:
        return "the pages would hold more than 32767 cells";
    case PageFault::ResultTooLarge:
        return "the pages would be too large";
    }
    return "unknown error";
}

PhonePages MpMaker(std::u16string_view source, const PhoneParams &params) {
    const int height = params.height;
    const int width = params.lineBreaks ? params.width - 1 : params.width;
    if (height < 1 || height > kMaxSide)
        return failure(PageFault::HeightOutOfRange);
    if (width < 1 || width > kMaxSide)
        return failure(PageFault::WidthOutOfRange);

    const std::u16string_view text = engine::TrimText(source);
    if (static_cast<std::int64_t>(text.size()) >= kMax16)
        return failure(PageFault::SourceTooLong);
    const Cells cells = readCells(text, cellRulesOf(params));

    // Columns are filled strictly `height` cells at a time. Every character read
    // counts towards the pages, even an LF that took no cell, and a text that fills
    // its last page exactly still gets one more, blank page.
    const std::int64_t perPage = height * width;
    const std::int64_t pages = cells.consumed / perPage + 1;
    if (pages * perPage > kMax16)
        return failure(PageFault::TooManyCells);

    const std::int64_t ruleUnits = 3 + static_cast<std::int64_t>(params.rule.size()) * (width - 1);
    const std::int64_t rowUnits = 3 * width + (params.lineBreaks ? 2 : 0);
    // Rows as if every cell took three units; the few longer cells add at most the
    // text's own length, which is below 32767 units.
    const std::int64_t maxUnits = (pages + 1) * ruleUnits + pages * height * rowUnits;
    if (maxUnits > engine::kMaxResultUnits)
        return failure(PageFault::ResultTooLarge);

    std::u16string out;
    out.reserve(static_cast<std::size_t>(maxUnits));
    appendRule(out, params.rule, width);
    for (std::int64_t page = 0; page < pages; ++page) {
        for (int row = 0; row < height; ++row) {
            // From the leftmost column of the page to the rightmost, where the text begins.
            for (int column = width - 1; column >= 0; --column)
                appendCell(out, cells,
                           static_cast<std::size_t>((page * width + column) * height + row));
            if (params.lineBreaks)
                out += u"\r\n";
        }
        appendRule(out, params.rule, width);
    }
    return {std::move(out), PageFault::None};
}

} // namespace tovalo::phone
