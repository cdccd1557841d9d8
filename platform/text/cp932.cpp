#include "platform/text/cp932.h"

#include <array>
#include <cstdint>
#include <memory>

namespace tovalo::text {
namespace tables {
extern const std::uint16_t kCp932Encode[][2]; // character, code (below 0x100: one byte)
extern const std::size_t kCp932EncodeSize;
extern const std::uint16_t kCp932Decode[][2]; // code, character
extern const std::size_t kCp932DecodeSize;
} // namespace tables

namespace {

constexpr char16_t kNone = 0xFFFF;

// Both directions of the code page as flat lookup tables, spread out once from the
// generated lists. Codes below 0x100 are single bytes, the others lead byte * 256 +
// trail byte.
struct Tables {
    std::array<char16_t, 0x10000> encode; // BMP character -> code, or kNone
    std::array<char16_t, 0x10000> decode; // code -> character, or kNone
    std::array<bool, 0x100> lead{};       // byte opens a two-byte sequence
};

std::unique_ptr<Tables> buildTables() {
    auto t = std::make_unique<Tables>();
    t->encode.fill(kNone);
    t->decode.fill(kNone);
    for (std::size_t i = 0; i < tables::kCp932EncodeSize; ++i)
        t->encode[tables::kCp932Encode[i][0]] = tables::kCp932Encode[i][1];
    for (std::size_t i = 0; i < tables::kCp932DecodeSize; ++i) {
        const std::uint16_t code = tables::kCp932Decode[i][0];
        t->decode[code] = tables::kCp932Decode[i][1];
        if (code >= 0x100)
            t->lead[code >> 8] = true;
    }
    return t;
}

const Tables &codePage() {
    static const std::unique_ptr<Tables> built = buildTables();
    return *built;
}

} // namespace

std::string toCp932(std::u16string_view text) {
    const Tables &t = codePage();
    std::string out;
    out.reserve(text.size() * 2);
    for (size_t i = 0; i < text.size(); ++i) {
        char16_t ch = text[i];
        if (ch >= 0xD800 && ch < 0xDC00 && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
            text[i + 1] < 0xE000)
            ++i; // a character beyond the BMP: one substitute for the whole pair
        const char16_t code = t.encode[ch];
        if (code == kNone) {
            out += '?';
        } else if (code < 0x100) {
            out += static_cast<char>(code);
        } else {
            out += static_cast<char>(code >> 8);
            out += static_cast<char>(code & 0xFF);
        }
    }
    return out;
}

bool isEncodable(char16_t unit) {
    const Tables &t = codePage();
    const char16_t code = t.encode[unit];
    return code != kNone && t.decode[code] == unit;
}

std::u16string fromCp932(std::string_view bytes) {
    const Tables &t = codePage();
    std::u16string out;
    out.reserve(bytes.size());
    for (size_t i = 0; i < bytes.size(); ++i) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        if (t.lead[b] && i + 1 < bytes.size()) {
            const char16_t ch = t.decode[b << 8 | static_cast<unsigned char>(bytes[i + 1])];
            if (ch != kNone) {
                out += ch;
                ++i;
                continue;
            }
        }
        const char16_t ch = t.decode[b];
        out += ch == kNone ? u'\uFFFD' : ch;
    }
    return out;
}

} // namespace tovalo::text
