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
    CellReader(std::u16string_view text, bool chkChg1) : text_(text), chkChg1_(chkChg1) {}

    bool atEnd() const { return pos_ >= text_.size(); }
    // Code units read so far.
    std::size_t position() const { return pos_; }

    // The next cell; only when not atEnd().
    [[gnu::always_inline]] Cell next() {
        const char32_t raw = text::nextCodePoint(text_, pos_);
        const std::uint8_t props = text::charProps(raw);
        const std::size_t restBegin = pos_;
        Cell cell;
        cell.first = CharChange(raw, chkChg1_);
        bool alwaysFull = false;
        // Plain text, where the next character opens a cell of its own whatever it is,
        // takes no further look.
        if (pos_ < text_.size() && !startsOwnCell(props, text_[pos_]))
            alwaysFull = extendCluster(props);
        cell.rest = text_.substr(restBegin, pos_ - restBegin);
        const std::uint8_t changed = cell.first == raw ? props : text::charProps(cell.first);
        cell.halfWidth = !alwaysFull && text::isHalfWidth(changed);
        return cell;
    }

private:
    // True when the character after one with `props` surely begins a new cell, judged
    // from its first code unit: after a line break or control character, and before
    // anything an ordinary character cannot join.
    static bool startsOwnCell(std::uint8_t props, char16_t nextUnit) {
        const text::GraphemeClass cls = text::graphemeClass(props);
        if (cls == text::GraphemeClass::CR || cls == text::GraphemeClass::LF ||
            cls == text::GraphemeClass::Control)
            return true;
        if (cls != text::GraphemeClass::Other || (nextUnit >= 0xD800 && nextUnit < 0xE000))
            return false;
        const text::GraphemeClass nextCls = text::graphemeClass(text::charProps(nextUnit));
        return nextCls == text::GraphemeClass::Other || nextCls == text::GraphemeClass::CR ||
               nextCls == text::GraphemeClass::LF || nextCls == text::GraphemeClass::Control;
    }

    // Moves past the characters that join the cell; true when the cell is an emoji in
    // emoji presentation (it holds U+FE0F) or a flag, which are never half a cell wide.
    bool extendCluster(std::uint8_t firstProps) {
        text::ClusterJoiner joiner(firstProps);
        bool alwaysFull = false;
        std::uint32_t indicators =
            text::graphemeClass(firstProps) == text::GraphemeClass::RegionalIndicator;
        while (pos_ < text_.size()) {
            std::size_t after = pos_;
            const char32_t ch = text::nextCodePoint(text_, after);
            if (ch == 0xFF9E || ch == 0xFF9F)
                break;
            const std::uint8_t props = text::charProps(ch);
            if (!joiner.joins(props))
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
    bool chkChg1_;
};

} // namespace tovalo::engine
