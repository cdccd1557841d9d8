#include "char_rules.h"

#include "cells.h"

namespace tovalo::engine {

std::u16string_view TrimText(std::u16string_view text) {
    auto isBreak = [](char16_t c) { return c == u'\r' || c == u'\n'; };
    size_t b = 0;
    while (b < text.size() && isBreak(text[b]))
        ++b;
    size_t e = text.size();
    while (e > b && (isBreak(text[e - 1]) || text[e - 1] == u' ' || text[e - 1] == u'\u3000'))
        --e;
    return text.substr(b, e - b);
}

bool PutFromRight(std::u16string &s, std::int32_t n, std::u16string_view c) {
    if (n < 1 || static_cast<std::size_t>(n) > s.size())
        return false;
    s.replace(s.size() - n, 1, c);
    return true;
}

std::optional<std::u16string> SepChars(std::u16string_view s, std::u16string_view sep) {
    if (sep.empty())
        return std::u16string(s);
    std::u16string out;
    out.reserve(s.size() * (sep.size() + 1));
    std::size_t count = 0;
    for (CellReader cells(s, {}); !cells.atEnd();) {
        if (++count >= 32767)
            return std::nullopt;
        out += sep;
        const Cell cell = cells.next();
        text::appendCodePoint(out, cell.first);
        out += cell.rest;
    }
    return out;
}

} // namespace tovalo::engine
