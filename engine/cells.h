#pragma once

// The cells of the vertical grid, read from a text: a cell holds one user-perceived
// character (a grapheme cluster), except that CR and LF always stand alone and the
// half-width sound marks U+FF9E and U+FF9F always begin a cell of their own, so that a
// half-width katakana and its sound mark stay two cells. With tate-chu-yoko, two
// half-width digits standing alone (or !!, !?, ?!, ??) share one cell, side by side.

#include "char_rules.h"

#include "platform/text/grapheme.h"
#include "platform/text/unicode.h"

#include <algorithm>
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
    CellReader(std::u16string_view text, const CellRules &rules) : text_(text), rules_(rules) {
        findPlainEnd();
    }

    bool atEnd() const { return pos_ >= text_.size(); }
    // Code units read so far.
    std::size_t position() const { return pos_; }

    // The next cell; only when not atEnd().
    [[gnu::always_inline]] Cell next() {
        // A plain character followed by another (or by the end) is a cell of its own:
        // the common case.
        if (pos_ + 1 < plainEnd_) [[likely]]
            return plainCell();
        return nextAfterLook();
    }

private:
    // The units from pos_ up to plainEnd_ are plain; when plainRunEnds_, the unit at
    // plainEnd_ is not (or plainEnd_ is one past the end of the text, when the run
    // reaches it). Each look scans a bounded stretch, so that reading a single cell
    // never scans the whole text. With tate-chu-yoko every cell takes the look for
    // pairs, so no run counts as plain.
    void findPlainEnd() {
        if (rules_.tateChuYoko) {
            plainEnd_ = 0;
            plainRunEnds_ = true;
            return;
        }
        constexpr std::size_t kStretch = 256;
        const std::size_t stop = std::min(text_.size(), pos_ + kStretch);
        std::size_t i = pos_;
        while (i < stop && text::isPlainUnit(text_[i]))
            ++i;
        plainRunEnds_ = i < stop || i == text_.size();
        plainEnd_ = i == text_.size() ? i + 1 : i;
    }

    [[gnu::always_inline]] Cell plainCell() {
        const char32_t first = CharChange(text_[pos_++], rules_);
        return {first, {}, text::isHalfWidthChar(first)};
    }

    // The next cell when the plain run known so far does not cover it: either the run
    // goes on beyond the stretch scanned, or the cell needs the segmentation rules.
    [[gnu::noinline]] Cell nextAfterLook() {
        if (rules_.tateChuYoko)
            return nextWithPairs();
        if (!plainRunEnds_) {
            findPlainEnd();
            if (pos_ + 1 < plainEnd_)
                return plainCell();
        }
        Cell cell = nextCluster();
        findPlainEnd();
        return cell;
    }

    // Which kind of tate-chu-yoko pair a code unit can be part of: 1 for a half-width
    // digit, 2 for "!" and "?", 0 for none.
    static int pairKind(char16_t unit) {
        if (unit >= u'0' && unit <= u'9')
            return 1;
        return unit == u'!' || unit == u'?' ? 2 : 0;
    }

    // The kind of a single-unit cell at i, or 0 when there is none (a combining mark
    // after the unit makes its cell something else).
    int singleKindAt(std::size_t i) const {
        if (i >= text_.size())
            return 0;
        const int kind = pairKind(text_[i]);
        return kind != 0 && (i + 1 == text_.size() || text::isPlainUnit(text_[i + 1])) ? kind : 0;
    }

    // With tate-chu-yoko: a run of exactly two single-unit cells of one kind becomes one
    // cell, never widened and never given a filler. The kind of the last cell read
    // tells whether a run began before this one.
    Cell nextWithPairs() {
        const int kind = singleKindAt(pos_);
        const bool pair = kind != 0 && kind != lastKind_ && singleKindAt(pos_ + 1) == kind &&
                          singleKindAt(pos_ + 2) != kind;
        lastKind_ = kind;
        if (pair) {
            const Cell cell{text_[pos_], text_.substr(pos_ + 1, 1), false};
            pos_ += 2;
            return cell;
        }
        if (text::isPlainUnit(text_[pos_]) &&
            (pos_ + 1 == text_.size() || text::isPlainUnit(text_[pos_ + 1])))
            return plainCell();
        return nextCluster();
    }

    // A cell of several characters, or of one that may hold on to the next.
    Cell nextCluster() {
        const char32_t raw = text::nextCodePoint(text_, pos_);
        const std::uint8_t props = text::charProps(raw);
        const std::size_t restBegin = pos_;
        const bool alwaysFull = extendCluster(props);
        Cell cell;
        cell.first = CharChange(raw, rules_);
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
    CellRules rules_;
    int lastKind_ = 0;         // the pair kind of the last cell read, with tate-chu-yoko
    std::size_t plainEnd_ = 0; // see findPlainEnd
    bool plainRunEnds_ = false;
};

} // namespace tovalo::engine
