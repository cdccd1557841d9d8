#include "platform/text/decode.h"
#include "platform/text/encode.h"
#include "platform/text/grapheme.h"
#include "platform/text/unicode.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace tovalo::text {
namespace {

TEST(EncodeForFile, ShiftJisWhenEverythingFitsElseUtf8WithMark) {
    const char16_t lone[] = {u'a', 0xD800};
    const struct {
        std::u16string text;
        std::optional<std::size_t> unencodable;
        std::string bytes;
    } cases[] = {
        {u"あ～－ｱa\r\n", std::nullopt, "\x82\xa0\x81\x60\x81\x7c\xb1\x61\r\n"},
        // The wave dash would come back as the full-width tilde.
        {u"a\u301C", 1, "\xEF\xBB\xBF\x61\xE3\x80\x9C"},
        {std::u16string(lone, 2), 1, "\xEF\xBB\xBF\x61\xEF\xBF\xBD"},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(firstUnencodable(c.text), c.unencodable);
        EXPECT_EQ(encodeForFile(c.text), c.bytes);
        if (c.text != std::u16string(lone, 2)) {
            EXPECT_EQ(decodeText(encodeForFile(c.text)), c.text);
        }
    }
    EXPECT_EQ(decodeText("\x85@a\x81"), u"\uFFFD@a\uFFFD"); // bytes that stand for nothing
}

// Each byte of a cut sequence, a surrogate or an overlong form becomes U+FFFD.
TEST(Utf8, IllFormedBytesBecomeReplacementCharacters) {
    EXPECT_EQ(fromUtf8("a\xE3\x81\xC3\xA9"), u"a\uFFFD\uFFFDé");
    EXPECT_EQ(fromUtf8("\xED\xA0\x80\xC0\xAF😀"), u"\uFFFD\uFFFD\uFFFD\uFFFD\uFFFD😀");
    EXPECT_FALSE(isValidUtf8("a\xE3\x81"));
}

// Every line of the Unicode test file: code points with ÷ (break) or × (no break) between.
TEST(Grapheme, FollowsEveryCaseOfTheUnicodeTestFile) {
    std::ifstream in(TOVALO_UNICODE_DATA "/auxiliary/GraphemeBreakTest.txt");
    ASSERT_TRUE(in) << "the Unicode character database (unicode-data) is missing";
    std::string line;
    int cases = 0;
    while (std::getline(in, line)) {
        line = line.substr(0, line.find('#')); // a comment line is an empty case
        std::istringstream fields(line);
        std::string field;
        std::u16string text;
        std::vector<std::size_t> expected, found;
        while (fields >> field) {
            if (field == "\u00F7" && !text.empty())
                expected.push_back(text.size());
            else if (field != "\u00F7" && field != "\u00D7")
                appendCodePoint(text, static_cast<char32_t>(std::stoul(field, nullptr, 16)));
        }
        for (std::size_t at = 0; at < text.size(); at = found.back())
            found.push_back(graphemeEnd(text, at));
        EXPECT_EQ(found, expected) << line;
        ++cases;
    }
    EXPECT_GT(cases, 500);
}

} // namespace
} // namespace tovalo::text
