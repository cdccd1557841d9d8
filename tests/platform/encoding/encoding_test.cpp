#include "platform/encoding/detect.h"

#include <gtest/gtest.h>

namespace tovalo::text {
namespace {

// これは縦書きのテキストです。 and a line break, in each encoding.
const std::u16string kText = u"これは縦書きのテキストです。\n";

TEST(DecodeTextFile, RecognisesEachEncodingAndRefusesWhatIsNotText) {
    const struct {
        const char *name;
        std::string bytes;
        std::optional<std::u16string> text;
    } cases[] = {
        {"utf8",
         "\xe3\x81\x93\xe3\x82\x8c\xe3\x81\xaf\xe7\xb8\xa6\xe6\x9b\xb8\xe3\x81\x8d\xe3\x81\xae"
         "\xe3\x83\x86\xe3\x82\xad\xe3\x82\xb9\xe3\x83\x88\xe3\x81\xa7\xe3\x81\x99\xe3\x80\x82\n",
         kText},
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
        {"shift_jis",
         "\x82\xb1\x82\xea\x82\xcd\x8f\x63\x8f\x91\x82\xab\x82\xcc\x83\x65\x83\x4c\x83"
         "\x58\x83\x67\x82\xc5\x82\xb7\x81\x42\n",
         kText},
        {"short shift_jis", "\x82\xa0", u"あ"},
        {"utf-8 behind a mark",
         "\xEF\xBB\xBF"
         "a",
         u"a"},
        {"binary with nul bytes",
         std::string("\x7f"
                     "ELF\x02\x01\x01\0\0\0\0\0\0\0\0\0\x03\0",
                     19),
         std::nullopt},
        {"bytes no character stands for", "\x82\xa0\x85\x40\x81", std::nullopt},
        {"empty", "", u""},
    };
    for (const auto &c : cases)
        EXPECT_EQ(decodeTextFile(c.bytes), c.text) << c.name;
}

} // namespace
} // namespace tovalo::text
