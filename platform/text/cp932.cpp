#include "platform/text/cp932.h"

#include <array>
#include <cerrno>
#include <iconv.h>
#include <memory>

namespace tovalo::text {
namespace {

constexpr char16_t kNone = 0xFFFF;

// Both directions of the code page, built from iconv once. Encoded values below
// 0x100 are single bytes, the others are lead byte * 256 + trail byte.
struct Tables {
    std::array<char16_t, 0x10000> encode{}; // BMP character -> code, or kNone
    std::array<char16_t, 0x100> single{};   // single byte -> character, or kNone
    std::array<bool, 0x100> lead{};         // byte opens a two-byte sequence
    std::array<char16_t, 0x10000> pair{};   // lead * 256 + trail -> character, or kNone
    OneByteSet oneByte;
};

// Converts one short sequence; returns the number of output bytes, or -1.
int convert(iconv_t cd, const char *in, size_t inLen, char *out, size_t outCap) {
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    auto *inPtr = const_cast<char *>(in);
    char *outPtr = out;
    size_t outLeft = outCap;
    if (iconv(cd, &inPtr, &inLen, &outPtr, &outLeft) == static_cast<size_t>(-1) || inLen != 0)
        return -1;
    return static_cast<int>(outCap - outLeft);
}

char16_t decodeOne(iconv_t cd, const char *bytes, size_t len) {
    char out[8];
    int n = convert(cd, bytes, len, out, sizeof out);
    if (n != 2)
        return kNone;
    return static_cast<char16_t>(static_cast<unsigned char>(out[0]) |
                                 static_cast<unsigned char>(out[1]) << 8);
}

std::unique_ptr<Tables> buildTables() {
    auto t = std::make_unique<Tables>();
    t->encode.fill(kNone);
    t->single.fill(kNone);
    t->pair.fill(kNone);

    iconv_t toCp = iconv_open("CP932", "UTF-16LE");
    iconv_t fromCp = iconv_open("UTF-16LE", "CP932");
    if (toCp == reinterpret_cast<iconv_t>(-1) || fromCp == reinterpret_cast<iconv_t>(-1)) {
        // No tables: everything encodes as the one-byte '?', every byte decodes as U+FFFD.
        for (unsigned ch = 0; ch < 0x10000; ++ch)
            t->oneByte.add(ch);
        return t;
    }

    for (unsigned ch = 0; ch < 0x10000; ++ch) {
        if (ch >= 0xD800 && ch < 0xE000)
            continue;
        const char in[2] = {static_cast<char>(ch & 0xFF), static_cast<char>(ch >> 8)};
        char out[8];
        int n = convert(toCp, in, 2, out, sizeof out);
        if (n == 1)
            t->encode[ch] = static_cast<unsigned char>(out[0]);
        else if (n == 2)
            t->encode[ch] = static_cast<char16_t>(static_cast<unsigned char>(out[0]) << 8 |
                                                  static_cast<unsigned char>(out[1]));
    }
    for (unsigned ch = 0; ch < 0x10000; ++ch)
        if (t->encode[ch] == kNone || t->encode[ch] < 0x100)
            t->oneByte.add(ch);
    for (unsigned b = 0; b < 0x100; ++b) {
        const char in[1] = {static_cast<char>(b)};
        t->single[b] = decodeOne(fromCp, in, 1);
        if (t->single[b] == kNone) {
            for (unsigned trail = 0x40; trail < 0x100; ++trail) {
                const char two[2] = {static_cast<char>(b), static_cast<char>(trail)};
                char16_t ch = decodeOne(fromCp, two, 2);
                t->pair[b << 8 | trail] = ch;
                t->lead[b] = t->lead[b] || ch != kNone;
            }
        }
    }
    iconv_close(toCp);
    iconv_close(fromCp);
    return t;
}

const Tables &tables() {
    static const std::unique_ptr<Tables> built = buildTables();
    return *built;
}

} // namespace

std::string toCp932(std::u16string_view text) {
    const Tables &t = tables();
    std::string out;
    out.reserve(text.size() * 2);
    for (size_t i = 0; i < text.size(); ++i) {
        char16_t ch = text[i];
        if (ch >= 0xD800 && ch < 0xDC00 && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
            text[i + 1] < 0xE000)
            ++i; // a character beyond the BMP: one substitute for the whole pair
        char16_t code = t.encode[ch];
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

std::u16string fromCp932(std::string_view bytes) {
    const Tables &t = tables();
    std::u16string out;
    out.reserve(bytes.size());
    for (size_t i = 0; i < bytes.size(); ++i) {
        auto b = static_cast<unsigned char>(bytes[i]);
        if (t.lead[b] && i + 1 < bytes.size()) {
            char16_t ch = t.pair[b << 8 | static_cast<unsigned char>(bytes[i + 1])];
            if (ch != kNone) {
                out += ch;
                ++i;
                continue;
            }
        }
        char16_t ch = t.single[b];
        out += ch == kNone ? u'\uFFFD' : ch;
    }
    return out;
}

bool isEncodable(char16_t unit) {
    return tables().encode[unit] != kNone;
}

const OneByteSet &oneByteCharacters() {
    return tables().oneByte;
}

} // namespace tovalo::text
