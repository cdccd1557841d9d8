#pragma once

// Reading a vertical text back: a half-width cell is one column wide, every other two.

#include "fuzz_support.h"

#include "engine/cells.h"
#include "engine/char_rules.h"

#include <algorithm>
#include <cstdint>
#include <functional>
#include <string_view>
#include <vector>

namespace tovalo::fuzz {

inline std::int64_t displayWidth(std::u16string_view text) {
    std::int64_t width = 0;
    for (engine::CellReader cells(text, {}); !cells.atEnd();)
        width += cells.next().halfWidth ? 1 : 2;
    return width;
}

// True when a cell could merge with its neighbour in a row (a lone mark or joiner,
// Hangul jamo), so that the row would not read back as the cells written.
inline bool cellsMayJoin(std::u16string_view text, const engine::CellRules &rules) {
    using G = text::GraphemeClass;
    auto hangul = [](G c) { return c >= G::L && c <= G::LVT; };
    auto joinsBefore = [&](G c) {
        return hangul(c) || c == G::Extend || c == G::ZWJ || c == G::SpacingMark;
    };
    auto joinsAfter = [&](G c) { return hangul(c) || c == G::Prepend || c == G::ZWJ; };
    for (engine::CellReader cells(text, rules); !cells.atEnd();) {
        const engine::Cell cell = cells.next();
        char32_t last = cell.first;
        for (std::size_t i = 0; i < cell.rest.size();)
            last = text::nextCodePoint(cell.rest, i);
        const bool ownCell = cell.first == 0xFF9E || cell.first == 0xFF9F;
        if ((!ownCell && joinsBefore(text::graphemeClass(text::charProps(cell.first)))) ||
            joinsAfter(text::graphemeClass(text::charProps(last))))
            return true;
    }
    return false;
}

// A text read from its start: every step must find what the layout promises.
class LineReader {
public:
    explicit LineReader(std::u16string_view text) : text_(text) {}

    bool atEnd() const { return pos_ == text_.size(); }
    std::u16string_view rest() const { return text_.substr(pos_); }

    // The text up to the next CR LF, which holds no CR of its own.
    std::u16string_view line() {
        const std::size_t end = text_.find(u"\r\n", pos_);
        FUZZ_CHECK(end != std::u16string_view::npos);
        const std::u16string_view found = text_.substr(pos_, end - pos_);
        FUZZ_CHECK(found.find(u'\r') == std::u16string_view::npos);
        pos_ = end + 2;
        return found;
    }

    // The cells that fill exactly `width` half-width columns.
    std::u16string_view columns(std::int64_t width) {
        const std::size_t start = pos_;
        engine::CellReader cells(text_.substr(start), {});
        std::int64_t taken = 0;
        while (taken < width) {
            FUZZ_CHECK(!cells.atEnd() && text_[start + cells.position()] != u'\r');
            taken += cells.next().halfWidth ? 1 : 2;
        }
        FUZZ_CHECK(taken == width);
        pos_ = start + cells.position();
        return text_.substr(start, pos_ - start);
    }

    void expect(std::u16string_view piece) {
        FUZZ_CHECK(text_.substr(pos_, piece.size()) == piece);
        pos_ += piece.size();
    }

private:
    std::u16string_view text_;
    std::size_t pos_ = 0;
};

// The characters `shown` keeps of a grid's rows must be those of its source's cells,
// the first after CharChange, but for a line break and the cell after it.
class ShownCharacters {
public:
    explicit ShownCharacters(std::function<bool(char32_t)> shown) : shown_(std::move(shown)) {}

    void add(std::u16string_view row) {
        for (std::size_t i = 0; i < row.size();)
            if (const char32_t ch = text::nextCodePoint(row, i); shown_(ch))
                found_.push_back(ch);
    }

    void checkAllOf(std::u16string_view source, const engine::CellRules &rules) {
        ShownCharacters expected(shown_);
        for (engine::CellReader cells(source, rules); !cells.atEnd();) {
            const engine::Cell cell = cells.next();
            if (cell.first == u'\r') {
                if (!cells.atEnd())
                    cells.next();
                continue;
            }
            std::u16string characters;
            text::appendCodePoint(characters, cell.first);
            expected.add(characters + std::u16string(cell.rest));
        }
        std::ranges::sort(found_);
        std::ranges::sort(expected.found_);
        FUZZ_CHECK(found_ == expected.found_);
    }

private:
    std::function<bool(char32_t)> shown_;
    std::vector<char32_t> found_;
};

} // namespace tovalo::fuzz
