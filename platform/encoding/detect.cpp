#include "platform/encoding/detect.h"

#include "platform/text/cp932.h"
#include "platform/text/decode.h"
#include "platform/text/unicode.h"

#include <uchardet.h>

#include <iconv.h>

#include <memory>

namespace tovalo::text {
namespace {

// True for the code units that make up most of a Japanese or plain text: ASCII that
// is printable or a line break or tab, Japanese punctuation, kana, and the full-width
// forms. Ideographs are left out on purpose: a text read in the wrong byte order
// gives ideographs too.
bool isTypicalUnit(char16_t unit) {
    return (unit >= 0x20 && unit < 0x7F) || unit == u'\r' || unit == u'\n' || unit == u'\t' ||
           (unit >= 0x3000 && unit < 0x3100) || (unit >= 0xFF01 && unit < 0xFFA0);
}

// The text read as UTF-16 in the byte order that gives mostly typical units (at least
// four in five, and no lone surrogate), if either does.
std::optional<std::u16string> asUtf16WithoutMark(std::string_view bytes) {
    if (bytes.size() % 2 != 0 || bytes.empty())
        return std::nullopt;
    std::optional<std::u16string> best;
    std::size_t bestTypical = 0;
    for (bool bigEndian : {false, true}) {
        std::u16string text = fromUtf16(bytes, bigEndian);
        std::size_t typical = 0;
        bool wellFormed = true;
        for (std::size_t i = 0; i < text.size() && wellFormed;) {
            typical += isTypicalUnit(text[i]);
            const char32_t ch = nextCodePoint(text, i);
            wellFormed = ch < 0xD800 || ch >= 0xE000;
        }
        if (wellFormed && typical * 5 >= text.size() * 4 && typical > bestTypical) {
            bestTypical = typical;
            best = std::move(text);
        }
    }
    return best;
}

// The name uchardet gives the encoding, or the empty text.
std::string detectedEncoding(std::string_view bytes) {
    const std::unique_ptr<std::remove_pointer_t<uchardet_t>, void (*)(uchardet_t)> detector(
        uchardet_new(), uchardet_delete);
    if (!detector || uchardet_handle_data(detector.get(), bytes.data(), bytes.size()) != 0)
        return {};
    uchardet_data_end(detector.get());
    return uchardet_get_charset(detector.get());
}

// Decodes with iconv; nothing when a byte sequence stands for no character.
std::optional<std::u16string> decodeStrictly(std::string_view bytes, const char *encoding) {
    iconv_t cd = iconv_open("UTF-16LE", encoding);
    if (cd == reinterpret_cast<iconv_t>(-1))
        return std::nullopt;
    std::string out(bytes.size() * 4 + 16, '\0');
    auto *in = const_cast<char *>(bytes.data());
    std::size_t inLeft = bytes.size();
    char *outPtr = out.data();
    std::size_t outLeft = out.size();
    const bool ok =
        iconv(cd, &in, &inLeft, &outPtr, &outLeft) != static_cast<std::size_t>(-1) && inLeft == 0;
    iconv_close(cd);
    if (!ok)
        return std::nullopt;
    out.resize(out.size() - outLeft);
    return fromUtf16(out, false);
}

// Code page 932, when every byte sequence stands for a character.
std::optional<std::u16string> asCp932(std::string_view bytes) {
    std::u16string text = fromCp932(bytes);
    if (text.find(u'\uFFFD') != std::u16string::npos)
        return std::nullopt;
    return text;
}

} // namespace

std::optional<std::u16string> decodeTextFile(std::string_view bytes) {
    if (bytes.starts_with("\xEF\xBB\xBF") || bytes.starts_with("\xFF\xFE") ||
        bytes.starts_with("\xFE\xFF"))
        return decodeText(bytes);
    const bool hasNul = bytes.find('\0') != std::string_view::npos;
    // ISO-2022-JP is seven-bit, so also well-formed UTF-8: its escape sequences tell.
    if (!hasNul && (bytes.find("\x1b$") != std::string_view::npos ||
                    bytes.find("\x1b(") != std::string_view::npos))
        if (std::optional<std::u16string> text = decodeStrictly(bytes, "ISO-2022-JP"))
            return text;
    if (!hasNul && isValidUtf8(bytes))
        return fromUtf8(bytes);
    if (std::optional<std::u16string> text = asUtf16WithoutMark(bytes))
        return text;
    if (hasNul)
        return std::nullopt;
    const std::string encoding = detectedEncoding(bytes);
    if (encoding == "EUC-JP") {
        // The Microsoft variant also holds the NEC and IBM extensions.
        if (std::optional<std::u16string> text = decodeStrictly(bytes, "EUC-JP-MS"))
            return text;
    }
    return asCp932(bytes);
}

} // namespace tovalo::text
