#include "io/html_export.h"

#include "platform/text/cp932.h"
#include "platform/text/decode.h"

#include <gtest/gtest.h>

namespace tovalo::io {
namespace {

struct NameCase {
    std::u16string name;
    bool html;
};

void PrintTo(const NameCase &c, std::ostream *os) {
    *os << testing::PrintToString(std::string(c.name.begin(), c.name.end()));
}

class FormatByName : public testing::TestWithParam<NameCase> {};
TEST_P(FormatByName, OnlyTheLastThreeCharactersCount) {
    EXPECT_EQ(namesHtmlPage(GetParam().name), GetParam().html);
}
INSTANTIATE_TEST_SUITE_P(
    Cases, FormatByName,
    testing::Values(NameCase{u"/home/u/page.htm", true}, NameCase{u"/home/u/myhtm", true},
                    NameCase{u"/home/u/PAGE.HTM", false}, NameCase{u"/home/u/page.html", false},
                    NameCase{u"/home/u/page", false}, NameCase{u"/home/u/page.htm.txt", false},
                    NameCase{u"htm", true}, NameCase{u"tm", false}));

std::string bytesOf(std::u16string_view text) {
    return text::toCp932(text);
}

TEST(SavedText, IsTheVerticalTextAndOneLineEndInCodePage932) {
    EXPECT_EQ(savedFileBytes(u"/t/a.txt", u"あ\r\nい"), "\x82\xA0\r\n\x82\xA2\r\n");
    EXPECT_EQ(savedFileBytes(u"/t/a", u""), "\r\n");
    // Plain text holds no markup: nothing is escaped.
    EXPECT_EQ(savedFileBytes(u"/t/a.html", u"<&>"), "<&>\r\n");
}

TEST(SavedText, CharactersOutsideTheCodePageBecomeQuestionMarks) {
    EXPECT_EQ(savedFileBytes(u"/t/a.txt", u"a😀b\u00E9"), "a?b?\r\n");
}

constexpr std::u16string_view kPageHead =
    u"<HTML><HEAD><META http-equiv=\"Content-Type\" content=\"text/html; charset=Shift_JIS\">"
    u"<Title>\r\n";
constexpr std::u16string_view kPageTableStart =
    u"</Title></HEAD><Body>\r\n"
    u"\r\n"
    u"<Table border  CELLPADDING=\"20\"\r\n"
    u" ALIGN=\"center\"><TR><TD>\r\n"
    u"<PRE><Font face=\"FixedSys,ＭＳ ゴシック, Osaka－等幅, mono\">\r\n";
constexpr std::u16string_view kPageEnd =
    u"</Font></Pre>\r\n"
    u"この文章は｢Tovalo｣で作成しました。<BR>\r\n"
    u"<A HREF=\"https://tovalo.example/download/\">入手!</A>\r\n"
    u"</TD></TR></Table>\r\n"
    u"</Body></Html>\r\n";

std::u16string page(std::u16string_view title, std::u16string_view body) {
    return std::u16string(kPageHead) + std::u16string(title) + u"\r\n" +
           std::u16string(kPageTableStart) + std::u16string(body) + std::u16string(kPageEnd);
}

struct PageCase {
    const char *what;
    std::u16string fileName;
    std::u16string vertical;
    std::u16string expected;
};

void PrintTo(const PageCase &c, std::ostream *os) {
    *os << c.what;
}

class HtmlPage : public testing::TestWithParam<PageCase> {};
TEST_P(HtmlPage, IsWrittenLineByLine) {
    EXPECT_EQ(savedFileBytes(GetParam().fileName, GetParam().vertical),
              bytesOf(GetParam().expected));
}
INSTANTIATE_TEST_SUITE_P(
    Cases, HtmlPage,
    testing::Values(PageCase{"two columns", u"/home/u/縦.htm", u"い　あ\r\nう　え",
                             page(u"/home/u/縦.htm", u"い　あ\r\nう　え\r\n\r\n")},
                    PageCase{"empty text", u"/t/a.htm", u"", page(u"/t/a.htm", u"\r\n\r\n")},
                    PageCase{"text ending in a line end", u"/t/a.htm", u"あ\r\n",
                             page(u"/t/a.htm", u"あ\r\n\r\n\r\n")},
                    PageCase{"markup in text and title", u"/t/<a&b>.htm", u"a<b>&c",
                             page(u"/t/&lt;a&amp;b&gt;.htm", u"a&lt;b&gt;&amp;c\r\n\r\n")}),
    [](const auto &info) {
        std::string name = info.param.what;
        std::replace(name.begin(), name.end(), ' ', '_');
        return name;
    });

TEST(HtmlPageBytes, JapaneseIsCodePage932) {
    const std::string bytes = savedFileBytes(u"/t/a.htm", u"");
    EXPECT_NE(bytes.find("\x93\xfc\x8e\xe8!</A>\r\n"), std::string::npos); // 入手!
    EXPECT_EQ(bytes.find("\xEF\xBB\xBF"), std::string::npos);
}

TEST(HtmlPageBytes, CharactersOutsideTheCodePageBecomeCharacterReferences) {
    const std::string bytes = savedFileBytes(u"/t/\u00E9.htm", u"?a😀\u00E9\xD800!");
    EXPECT_NE(bytes.find("<Title>\r\n/t/&#233;.htm\r\n"), std::string::npos);
    EXPECT_NE(bytes.find(">\r\n?a&#128512;&#233;&#65533;!\r\n\r\n</Font></Pre>"),
              std::string::npos);
}

TEST(TaggedFragment, WrapsTheTextWithoutAClosingLineEnd) {
    const std::u16string open = u"<PRE><Font face=\"FixedSys,ＭＳ ゴシック, Osaka－等幅, mono\">";
    EXPECT_EQ(taggedFragment(u""), open + u"\r\n\r\n</Font></Pre>");
    EXPECT_EQ(taggedFragment(u"あ\r\nい"), open + u"\r\nあ\r\nい\r\n</Font></Pre>");
    EXPECT_EQ(taggedFragment(u"x<y>&z"), open + u"\r\nx&lt;y&gt;&amp;z\r\n</Font></Pre>");
}

// Opening reads UTF-8 when the bytes say so; a file of plain ASCII reads the same in
// either reading.
TEST(OpenedText, AsciiReadsTheSameAsCodePage932) {
    std::string ascii;
    for (int b = 0; b < 0x80; ++b)
        ascii += static_cast<char>(b);
    EXPECT_EQ(text::decodeText(ascii), text::fromCp932(ascii));
}

} // namespace
} // namespace tovalo::io
