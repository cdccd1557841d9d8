#pragma once

#include <string>
#include <string_view>

namespace tovalo::text {

// Reads the code point at s[i] (a surrogate pair as one; a lone surrogate as itself)
// and moves i past it.
inline char32_t nextCodePoint(std::u16string_view s, std::size_t &i) {
    char32_t ch = s[i++];
    if (ch >= 0xD800 && ch < 0xDC00 && i < s.size() && s[i] >= 0xDC00 && s[i] < 0xE000)
        ch = 0x10000 + ((ch - 0xD800) << 10) + (s[i++] - 0xDC00);
    return ch;
}

// Appends a code point as UTF-16.
inline void appendCodePoint(std::u16string &out, char32_t ch) {
    if (ch < 0x10000) {
        out += static_cast<char16_t>(ch);
    } else {
        out += static_cast<char16_t>(0xD800 + ((ch - 0x10000) >> 10));
        out += static_cast<char16_t>(0xDC00 + ((ch - 0x10000) & 0x3FF));
    }
}

// True when the bytes are well-formed UTF-8 (no overlong forms, no surrogates).
bool isValidUtf8(std::string_view bytes);

// Decodes UTF-8; an ill-formed sequence becomes U+FFFD.
std::u16string fromUtf8(std::string_view bytes);

// Encodes UTF-16 as UTF-8; a lone surrogate becomes U+FFFD.
std::string toUtf8(std::u16string_view text);

// Decodes UTF-16 in the given byte order; a trailing odd byte is dropped.
std::u16string fromUtf16(std::string_view bytes, bool bigEndian);

} // namespace tovalo::text
