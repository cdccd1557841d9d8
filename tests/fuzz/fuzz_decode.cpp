// Decoding random bytes and encoding them again loses nothing the encoding can hold.

#include "fuzz_support.h"

#include "platform/encoding/detect.h"
#include "platform/text/cp932.h"
#include "platform/text/decode.h"
#include "platform/text/line_breaks.h"
#include "platform/text/unicode.h"

namespace tovalo::fuzz {
namespace {

using namespace tovalo::text;

// The text with lone surrogates replaced by U+FFFD; also counts its characters.
std::u16string pairedOnly(std::u16string_view text, std::size_t &characters) {
    std::u16string out;
    characters = 0;
    for (std::size_t i = 0; i < text.size(); ++characters) {
        const char32_t ch = nextCodePoint(text, i);
        appendCodePoint(out, ch >= 0xD800 && ch < 0xE000 ? U'\uFFFD' : ch);
    }
    return out;
}

// Opening refuses only what is not text, and reads plainly what leaves no doubt.
void checkFileDecoding(std::string_view bytes) {
    const std::u16string decoded = decodeText(bytes);
    const std::optional<std::u16string> opened = decodeTextFile(bytes);
    FUZZ_CHECK(decoded.size() <= bytes.size());
    if (bytes.starts_with("\xEF\xBB\xBF")) {
        FUZZ_CHECK(decoded == fromUtf8(bytes.substr(3)) && opened == decoded);
    } else if (bytes.starts_with("\xFF\xFE") || bytes.starts_with("\xFE\xFF")) {
        FUZZ_CHECK(decoded.size() == (bytes.size() - 2) / 2 && opened == decoded);
    } else if (isValidUtf8(bytes)) {
        FUZZ_CHECK(toUtf8(decoded) == bytes);
        const bool plain = bytes.find_first_of(std::string_view("\0\x1b", 2)) == bytes.npos;
        FUZZ_CHECK(plain ? opened == fromUtf8(bytes)
                         : !opened || opened->find(u'\uFFFD') == opened->npos);
    } else {
        FUZZ_CHECK(decoded == fromCp932(bytes));
    }
}

// UTF-8 keeps all but lone surrogates; the code page keeps the count and is stable.
void checkEncodings(std::u16string_view text) {
    std::size_t characters = 0;
    const std::u16string paired = pairedOnly(text, characters);
    const std::string utf8 = toUtf8(text);
    FUZZ_CHECK(isValidUtf8(utf8) && fromUtf8(utf8) == paired);
    const std::u16string once = fromCp932(toCp932(text));
    FUZZ_CHECK(once.size() == characters && fromCp932(toCp932(once)) == once);
}

void checkLineBreaks(std::u16string_view text) {
    const std::u16string crlf = withCrLf(text);
    for (std::size_t i = 0; i < crlf.size(); ++i)
        FUZZ_CHECK(crlf[i] != u'\n' || (i > 0 && crlf[i - 1] == u'\r'));
    FUZZ_CHECK(withLf(crlf) == withLf(text));
}

} // namespace
} // namespace tovalo::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    using namespace tovalo::fuzz;
    using namespace tovalo::text;
    const std::string_view bytes(reinterpret_cast<const char *>(data), size);

    checkFileDecoding(bytes);
    const std::u16string texts[] = {fromUtf8(bytes), fromUtf16(bytes, false),
                                    fromUtf16(bytes, true), fromCp932(bytes)};
    std::size_t characters = 0;
    FUZZ_CHECK(pairedOnly(texts[0], characters) == texts[0]);
    FUZZ_CHECK(pairedOnly(texts[3], characters) == texts[3]);
    for (const std::u16string &text : texts) {
        checkEncodings(text);
        checkLineBreaks(text);
    }
    return 0;
}
