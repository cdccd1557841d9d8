#include "platform/text/cp932.h"
#include "platform/text/decode.h"
#include "platform/text/encode.h"
#include "platform/text/full_width.h"
#include "platform/text/line_breaks.h"
#include "platform/text/unicode.h"

#include <gtest/gtest.h>

namespace tovalo::text {
namespace {

TEST(Cp932, RoundTripsJapaneseText) {
    const std::u16string text = u"縦書き、テキスト。ｱｲｳ abc\r\n～－";
    const std::string bytes = toCp932(text);
    EXPECT_EQ(bytes.substr(0, 4), "\x8f\x63\x8f\x91");
    EXPECT_EQ(fromCp932(bytes), text);
}

TEST(Cp932, UnrepresentableCharactersBecomeOneQuestionMark) {
    const char16_t lone[] = {u'a', 0xD800, u'b'};
    EXPECT_EQ(toCp932(u"a😀é"), "a??");
    EXPECT_EQ(toCp932(std::u16string_view(lone, 3)), "a?b");
}

TEST(Cp932, BytesThatStandForNothingBecomeReplacementCharacters) {
    EXPECT_EQ(fromCp932("a\x81"), u"a\uFFFD");
    EXPECT_EQ(fromCp932("\x85\x40"), u"\uFFFD@");
}

TEST(EncodeForFile, ShiftJisWhenEverythingFitsElseUtf8WithMark) {
    const char16_t lone[] = {u'a', 0xD800};
    const struct {
        std::u16string text;
        std::optional<std::size_t> unencodable;
        std::string bytes;
    } cases[] = {
        {u"", std::nullopt, ""},
        {u"あa\r\n", std::nullopt,
         "\x82\xa0"
         "a\r\n"},
        {u"あ😀", 1, "\xEF\xBB\xBF\xE3\x81\x82\xF0\x9F\x98\x80"},
        {u"𠮷", 0, "\xEF\xBB\xBF\xF0\xA0\xAE\xB7"},
        // The wave dash would come back as the full-width tilde.
        {u"a\u301C", 1,
         "\xEF\xBB\xBF"
         "a\xE3\x80\x9C"},
        {std::u16string(lone, 2), 1,
         "\xEF\xBB\xBF"
         "a\xEF\xBF\xBD"},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(firstUnencodable(c.text), c.unencodable);
        EXPECT_EQ(encodeForFile(c.text), c.bytes);
        if (c.text != std::u16string(lone, 2)) {
            EXPECT_EQ(decodeText(encodeForFile(c.text)), c.text);
        }
    }
}

TEST(FullWidth, ConvertsEachRangeAndLeavesTheRest) {
    EXPECT_EQ(toFullWidth(U' '), U'\u3000');
    EXPECT_EQ(toFullWidth(U'!'), U'！');
    EXPECT_EQ(toFullWidth(U'~'), U'～');
    EXPECT_EQ(toFullWidth(U'\\'), U'＼');
    EXPECT_EQ(toFullWidth(U'｡'), U'。');
    EXPECT_EQ(toFullWidth(U'ﾝ'), U'ン');
    EXPECT_EQ(toFullWidth(U'ﾟ'), U'゜');
    EXPECT_EQ(toFullWidth(U'ﾞ'), U'゛');
    EXPECT_EQ(toFullWidth(U'\r'), U'\r');
    EXPECT_EQ(toFullWidth(U'あ'), U'あ');
}

TEST(Decode, ChoosesTheEncodingByMarkThenByValidity) {
    EXPECT_EQ(decodeText("\xEF\xBB\xBF\xE3\x81\x82"), u"あ");
    EXPECT_EQ(decodeText("\xE3\x81\x82"), u"あ");
    EXPECT_EQ(decodeText("\xFF\xFE\x42\x30"), u"あ");
    EXPECT_EQ(decodeText("\xFE\xFF\x30\x42"), u"あ");
    EXPECT_EQ(decodeText("\x82\xa0"), u"あ");
    EXPECT_EQ(decodeText("abc"), u"abc");
    EXPECT_EQ(decodeText(""), u"");
}

TEST(Unicode, Utf8RoundTripAndIllFormedInput) {
    const std::u16string text = u"あ𠮷a";
    EXPECT_EQ(fromUtf8(toUtf8(text)), text);
    EXPECT_EQ(toUtf8(std::u16string(1, char16_t{0xD800})), "\xEF\xBF\xBD");
    EXPECT_FALSE(isValidUtf8("\xC0\x80"));
    EXPECT_FALSE(isValidUtf8("\xED\xA0\x80"));
    EXPECT_EQ(fromUtf8("a\xFF"), u"a\uFFFD");
}

TEST(LineBreaks, LoneLfBecomesCrLfAndBack) {
    EXPECT_EQ(withCrLf(u"a\nb\r\nc\rd\n"), u"a\r\nb\r\nc\rd\r\n");
    EXPECT_EQ(withLf(u"a\r\nb\rc\n"), u"a\nb\rc\n");
}

// Opening reads UTF-8 when the bytes say so; a file of plain ASCII reads the same in
// either reading.
TEST(OpenedText, AsciiReadsTheSameAsCodePage932) {
    std::string ascii;
    for (int b = 0; b < 0x80; ++b)
        ascii += static_cast<char>(b);
    EXPECT_EQ(decodeText(ascii), fromCp932(ascii));
}

} // namespace
} // namespace tovalo::text
