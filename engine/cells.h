#pragma once

// The cells of the vertical grid, read from a text: a cell holds one user-perceived
// character (a grapheme cluster), except that CR and LF always stand alone and the
// half-width sound marks U+FF9E and U+FF9F always begin a cell of their own, so that a
// half-width katakana and its sound mark stay two cells.

#include "char_rules.h"

#include "platform/text/grapheme.h"
#include "platform/text/unicode.h"

#include <string_view>

namespace tovalo::engine {

struct Cell {
    char32_t first = 0;       // the cell's first character, after CharChange
    std::u16string_view rest; // the characters that follow it in the cell, unchanged
    bool halfWidth = false;   // half a cell wide: written with a filler space

    bool single() const { return rest.empty(); }
};

class CellReader {
public:
    CellReader(std::u16string_view text, bool fullWidth) : text_(text), fullWidth_(fullWidth) {
        findPlainEnd();
    }

    bool atEnd() const { return pos_ >= text_.size(); }
    // Code units read so far.
    std::size_t position() const { return pos_; }

    // The next cell; only when not atEnd().
    [[gnu::always_inline]] Cell next() {
        // A plain character followed by another (or by the end) is a cell of its own:
        // the common case.
        if (pos_ + 1 < plainEnd_) [[likely]] {
            const char32_t first = CharChange(text_[pos_++], fullWidth_);
            return {first, {}, text::isHalfWidthChar(first)};
        }
        Cell cell = nextCluster();
        findPlainEnd();
        return cell;
    }

private:
    // Finds the plain run from pos_: plainEnd_ is the position of its first unit that is
    // not plain, or one past the end of the text when the run reaches the end.
    void findPlainEnd() {
        std::size_t i = pos_;
        while (i < text_.size() && text::isPlainUnit(text_[i]))
            ++i;
        plainEnd_ = i == text_.size() ? i + 1 : i;
    }

    // A cell of several characters, or of one that may hold on to the next.
    Cell nextCluster() {
        const char32_t raw = text::nextCodePoint(text_, pos_);
        const std::uint8_t props = text::charProps(raw);
        const std::size_t restBegin = pos_;
        const bool alwaysFull = extendCluster(props);
        Cell cell;
        cell.first = CharChange(raw, fullWidth_);
        cell.rest = text_.substr(restBegin, pos_ - restBegin);
        cell.halfWidth = !alwaysFull && text::isHalfWidthChar(cell.first);
        return cell;
    }

    // Takes the characters that join the cell, except that CR and LF always stand
    // alone and the half-width sound marks always begin a cell of their own. True when
    // the cell is an emoji in emoji presentation (it holds U+FE0F) or a flag, which
    // are never half a cell wide.
    bool extendCluster(std::uint8_t firstProps) {
        const text::GraphemeClass firstClass = text::graphemeClass(firstProps);
        if (firstClass == text::GraphemeClass::CR)
            return false;
        text::ClusterJoiner joiner(firstProps);
        bool alwaysFull = false;
        std::uint32_t indicators = firstClass == text::GraphemeClass::RegionalIndicator;
        while (pos_ < text_.size()) {
            std::size_t after = pos_;
            const char32_t ch = text::nextCodePoint(text_, after);
            const std::uint8_t props = text::charProps(ch);
            if (ch == 0xFF9E || ch == 0xFF9F || !joiner.joins(props))
                break;
            alwaysFull = alwaysFull || ch == 0xFE0F ||
                         (text::graphemeClass(props) == text::GraphemeClass::RegionalIndicator &&
                          ++indicators == 2);
            pos_ = after;
        }
        return alwaysFull;
    }

    std::u16string_view text_;
    std::size_t pos_ = 0;
    bool fullWidth_;
    std::size_t plainEnd_ = 0; // units from pos_ up to here are plain (see findPlainEnd)
};

} // namespace tovalo::engine
