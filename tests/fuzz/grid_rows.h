#pragma once

// Reading a vertical text back line by line, and measuring what a fixed-pitch font
// shows of it: a character the code page stores in one byte is one half-width column
// wide, every other character two.

#include "fuzz_support.h"

#include "engine/char_rules.h"

#include <algorithm>
#include <cstdint>
#include <string_view>
#include <vector>

namespace tovalo::fuzz {

inline std::int64_t displayWidth(std::u16string_view text) {
    std::int64_t width = 0;
    for (std::size_t i = 0; i < text.size();)
        width += engine::needsFiller(engine::nextChar(text, i)) ? 1 : 2;
    return width;
}

// A text read from its start: every step must find what the layout promises.
class LineReader {
public:
    explicit LineReader(std::u16string_view text) : text_(text) {}

    bool atEnd() const { return pos_ == text_.size(); }
    std::u16string_view rest() const { return text_.substr(pos_); }

    // The text up to the next CR LF, which is passed. A grid row holds no CR of its own.
    std::u16string_view line() {
        const std::size_t end = text_.find(u"\r\n", pos_);
        FUZZ_CHECK(end != std::u16string_view::npos);
        const std::u16string_view found = text_.substr(pos_, end - pos_);
        FUZZ_CHECK(found.find(u'\r') == std::u16string_view::npos);
        pos_ = end + 2;
        return found;
    }

    // The characters that fill exactly `width` half-width columns.
    std::u16string_view columns(std::int64_t width) {
        const std::size_t start = pos_;
        std::int64_t taken = 0;
        while (taken < width) {
            FUZZ_CHECK(pos_ < text_.size() && text_[pos_] != u'\r');
            taken += engine::needsFiller(engine::nextChar(text_, pos_)) ? 1 : 2;
        }
        FUZZ_CHECK(taken == width);
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

// The characters of the source that its grid must show, in sorted order: each source
// character after CharChange except a line break and the character after it, and except
// what `shown` leaves out.
template <class Shown>
std::vector<char32_t> sourceCharacters(std::u16string_view source, bool chkChg1, Shown shown) {
    std::vector<char32_t> found;
    for (std::size_t i = 0; i < source.size();) {
        const char32_t ch = engine::CharChange(engine::nextChar(source, i), chkChg1);
        if (ch == u'\r') {
            if (i < source.size())
                engine::nextChar(source, i);
        } else if (shown(ch)) {
            found.push_back(ch);
        }
    }
    std::ranges::sort(found);
    return found;
}

// Adds the characters of a grid row that `shown` keeps.
template <class Shown>
void collectCharacters(std::u16string_view row, Shown shown, std::vector<char32_t> &found) {
    for (std::size_t i = 0; i < row.size();)
        if (const char32_t ch = engine::nextChar(row, i); shown(ch))
            found.push_back(ch);
}

} // namespace tovalo::fuzz
