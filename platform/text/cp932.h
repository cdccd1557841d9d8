#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace tovalo::text {

// Code page 932 (Shift_JIS as Windows uses it), through glibc's iconv tables,
// read once into lookup tables on first use.

// Encodes UTF-16 text; a character the code page cannot represent becomes one '?'.
std::string toCp932(std::u16string_view text);

// True when the code page can represent the BMP character; never for a surrogate.
bool isEncodable(char16_t unit);

// Decodes code page 932 bytes; a byte sequence that stands for no character becomes U+FFFD.
std::u16string fromCp932(std::string_view bytes);

// The characters stored in one byte in code page 932, together with those the code
// page cannot represent at all (they would become the one-byte '?').
class OneByteSet {
public:
    bool contains(char32_t ch) const { return ch >= 0x10000 || (bits_[ch >> 6] >> (ch & 63) & 1); }
    void add(char32_t ch) { bits_[ch >> 6] |= std::uint64_t{1} << (ch & 63); }

private:
    std::array<std::uint64_t, 0x10000 / 64> bits_{};
};

const OneByteSet &oneByteCharacters();

inline bool isOneByte(char32_t ch) {
    return oneByteCharacters().contains(ch);
}

} // namespace tovalo::text
