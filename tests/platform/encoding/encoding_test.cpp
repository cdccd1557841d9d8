#include "platform/encoding/detect.h"
#include "platform/text/cp932.h"
#include "platform/text/unicode.h"

#include <gtest/gtest.h>

namespace tovalo::text {
namespace {

const std::u16string kText = u"これは縦書きのテキストです。\n";

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
        {"utf-16le without mark",
         std::string("\x53\x30\x8c\x30\x6f\x30\x26\x7e\xf8\x66\x4d\x30\x6e\x30\xc6\x30\xad\x30\xb9"
                     "\x30\xc8\x30\x67\x30\x59\x30\x02\x30\x0a\x00",
                     30),
         kText},
        {"utf-16be without mark",
         std::string("\x30\x53\x30\x8c\x30\x6f\x7e\x26\x66\xf8\x30\x4d\x30\x6e\x30\xc6\x30\xad\x30"
                     "\xb9\x30\xc8\x30\x67\x30\x59\x30\x02\x00\x0a",
                     30),
         kText},
        {"utf-16le ascii", std::string("a\0b\0\r\0\n\0", 8), u"ab\r\n"},
        {"short shift_jis", "\x82\xa0", u"あ"},
        {"utf-8 behind a mark", "\xEF\xBB\xBF" + toUtf8(u"a"), u"a"},
        {"utf-16le behind a mark", "\xFF\xFE\x42\x30", u"あ"},
        {"utf-16be behind a mark", "\xFE\xFF\x30\x42", u"あ"},
        {"binary with nul bytes", std::string("PK\x03\x04\x14\0\0\0\x08\0", 10), std::nullopt},
        {"bytes no character stands for", "\x82\xa0\x85\x40\x81", std::nullopt},
    };
    for (const auto &c : cases)
        EXPECT_EQ(decodeTextFile(c.bytes), c.text) << c.name;
}

} // namespace
} // namespace tovalo::text
