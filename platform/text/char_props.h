#pragma once

// What the text services know of each Unicode character, packed into one byte: its
// grapheme-break class, whether it is Extended_Pictographic, whether its East Asian
// Width is wide or full-width, and how code page 932 stores it. The tables are
// generated at build time from the Unicode character database and iconv.

#include <cstddef>
#include <cstdint>

namespace tovalo::text {

// The grapheme-break classes of Unicode's text segmentation rules.
enum class GraphemeClass : std::uint8_t {
    Other,
    CR,
    LF,
    Control,
    Extend,
    ZWJ,
    RegionalIndicator,
    Prepend,
    SpacingMark,
    L,
    V,
    T,
    LV,
    LVT,
};

inline constexpr std::uint8_t kClassMask = 0x0F;
inline constexpr std::uint8_t kExtendedPictographic = 0x10;
inline constexpr std::uint8_t kWide = 0x20;       // East Asian Width W or F
inline constexpr std::uint8_t kOneByte = 0x40;    // code page 932 stores it in one byte
inline constexpr std::uint8_t kInCodePage = 0x80; // code page 932 can represent it

inline constexpr std::size_t kBlockSize = 128;

namespace tables {
extern const std::uint16_t kPropertyIndex[0x110000 / kBlockSize];
extern const std::uint8_t kPropertyBlocks[][kBlockSize];
extern const std::uint64_t kPlainBits[1024];
extern const std::uint64_t kHalfWidthBits[1024];
} // namespace tables

inline std::uint8_t charProps(char32_t ch) {
    if (ch >= 0x110000)
        return 0;
    return tables::kPropertyBlocks[tables::kPropertyIndex[ch / kBlockSize]][ch % kBlockSize];
}

inline GraphemeClass graphemeClass(std::uint8_t props) {
    return static_cast<GraphemeClass>(props & kClassMask);
}

// A character that takes half a cell, so that it gets a filler space: one byte in code
// page 932, or, for a character that code page cannot represent, one whose East Asian
// Width is neither wide nor full-width.
inline bool isHalfWidth(std::uint8_t props) {
    return (props & kOneByte) || !(props & (kInCodePage | kWide));
}

// The same for a character, with one look-up in the BMP.
inline bool isHalfWidthChar(char32_t ch) {
    return ch < 0x10000 ? tables::kHalfWidthBits[ch >> 6] >> (ch & 63) & 1
                        : isHalfWidth(charProps(ch));
}

// True for a code unit that is a whole character of the grapheme class Other, CR, LF or
// Control: such a character neither joins the one before it nor holds on to the one
// after it (a line break or control character holds nothing; an ordinary one holds
// only marks and joiners, which are not plain). Never true for a surrogate.
inline bool isPlainUnit(char16_t unit) {
    return tables::kPlainBits[unit >> 6] >> (unit & 63) & 1;
}

} // namespace tovalo::text
