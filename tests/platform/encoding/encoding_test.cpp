#include "platform/encoding/detect.h"
#include "platform/text/cp932.h"
#include "platform/text/unicode.h"

#include <gtest/gtest.h>

namespace tovalo::text {
namespace {

const std::u16string kText = u"これは縦書きのテキストです。\n";

std::string utf16(std::u16string_view text, bool bigEndian) {
    std::string bytes;
    for (const char16_t unit : text) {
        const char high = char(unit >> 8), low = char(unit & 0xFF);
        bytes += {bigEndian ? high : low, bigEndian ? low : high};
    }
    return bytes;
}

TEST(DecodeTextFile, RecognisesEachEncodingAndRefusesWhatIsNotText) {
    const struct {
        const char *name;
        std::string bytes;
        std::optional<std::u16string> text;
    } cases[] = {
        {"shift_jis", toCp932(kText), kText},
        {"euc-jp",
         "\xa4\xb3\xa4\xec\xa4\xcf\xbd\xc4\xbd\xf1\xa4\xad\xa4\xce\xa5\xc6\xa5\xad\xa5\xb9"
         "\xa5\xc8\xa4\xc7\xa4\xb9\xa1\xa3\n",
         kText},
        {"iso-2022-jp",
         "\x1b\x24\x42\x24\x33\x24\x6c\x24\x4f\x3d\x44\x3d\x71\x24\x2d\x24\x4e\x25\x46"
         "\x25\x2d\x25\x39\x25\x48\x24\x47\x24\x39\x21\x23\x1b\x28\x42\n",
         kText},
        {"utf-16le without mark", utf16(kText, false), kText},
        {"utf-16be without mark", utf16(kText, true), kText},
        {"utf-16le ascii", utf16(u"ab\r\n", false), u"ab\r\n"},
        {"short shift_jis", "\x82\xa0", u"あ"},
        {"utf-8 behind a mark", "\xEF\xBB\xBF" + toUtf8(u"a"), u"a"},
        {"utf-16le behind a mark", "\xFF\xFE" + utf16(u"あ", false), u"あ"},
        {"utf-16be behind a mark", "\xFE\xFF" + utf16(u"あ", true), u"あ"},
        {"binary with nul bytes", std::string("PK\x03\x04\x14\0\0\0\x08\0", 10), std::nullopt},
        {"bytes no character stands for", "\x82\xa0\x85\x40\x81", std::nullopt},
    };
    for (const auto &c : cases)
        EXPECT_EQ(decodeTextFile(c.bytes), c.text) << c.name;
}

} // namespace
} // namespace tovalo::text
