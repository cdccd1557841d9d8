#include "html/html_export.h"

#include "platform/text/cp932.h"

#include <gtest/gtest.h>

namespace tovalo::html {
namespace {

std::u16string widen(std::string_view ascii) {
    return std::u16string(ascii.begin(), ascii.end());
}

TEST(SaveFormat, OnlyTheLastThreeCharactersOfTheNameAskForThePage) {
    for (const char *name : {"/home/u/page.htm", "/home/u/myhtm", "htm"})
        EXPECT_TRUE(namesHtmlPage(widen(name))) << name;
    for (const char *name :
         {"/home/u/PAGE.HTM", "/home/u/page.html", "/home/u/page", "/home/u/page.htm.txt", "tm"})
        EXPECT_FALSE(namesHtmlPage(widen(name))) << name;
}

// Code page 932 while it holds every character, else UTF-8 with a byte-order mark.
TEST(SavedText, IsTheVerticalTextAndOneLineEnd) {
    EXPECT_EQ(savedFileBytes(u"/t/a.txt", u"あ\r\nい"), "\x82\xA0\r\n\x82\xA2\r\n");
    EXPECT_EQ(savedFileBytes(u"/t/a", u""), "\r\n");
    // Plain text holds no markup: nothing is escaped.
    EXPECT_EQ(savedFileBytes(u"/t/a.html", u"<&>a😀\u00E9"),
              "\xEF\xBB\xBF<&>a\xF0\x9F\x98\x80\xC3\xA9\r\n");
}

// The lines between the opening tag line and "</Font></Pre>"; the whole page is compared
// byte for byte where a saved page is read back.
std::u16string preformatted(std::u16string_view vertical) {
    const std::u16string page = htmlPage(u"/t/a.htm", vertical);
    const std::size_t start = page.find(u"mono\">\r\n") + 8;
    return page.substr(start, page.find(u"</Font></Pre>\r\n") - start);
}

TEST(HtmlPage, HoldsTheTextAndOneEmptyLineAndEscapesTheTitle) {
    EXPECT_EQ(preformatted(u""), u"\r\n\r\n");
    EXPECT_EQ(preformatted(u"あ\r\n"), u"あ\r\n\r\n\r\n");
    EXPECT_NE(htmlPage(u"/t/<a&b>.htm", u"").find(u"<Title>\r\n/t/&lt;a&amp;b&gt;.htm\r\n"),
              std::u16string::npos);
}

TEST(TaggedFragment, WrapsTheTextWithoutAClosingLineEnd) {
    const std::u16string open = u"<PRE><Font face=\"FixedSys,ＭＳ ゴシック, Osaka－等幅, mono\">";
    EXPECT_EQ(taggedFragment(u""), open + u"\r\n\r\n</Font></Pre>");
    EXPECT_EQ(taggedFragment(u"あ\r\nい"), open + u"\r\nあ\r\nい\r\n</Font></Pre>");
    EXPECT_EQ(taggedFragment(u"x<y>&z"), open + u"\r\nx&lt;y&gt;&amp;z\r\n</Font></Pre>");
}

// A published page must not show the user's folders; what the code page lacks becomes a
// character reference.
TEST(HtmlPage, IsTitledWithTheFileOwnNameAndRefersToCharactersOutsideTheCodePage) {
    const std::pair<std::u16string_view, std::u16string_view> cases[] = {
        {u"/home/user/秘密/page.htm", u"page.htm"},
        {u"/tmp/myhtm", u"myhtm"},
        {u"/t/\u00E9.htm", u"&#233;.htm"},
    };
    for (const auto &[path, title] : cases) {
        const std::string bytes = savedFileBytes(path, u"");
        EXPECT_NE(bytes.find("<Title>\r\n" + text::toCp932(title) + "\r\n</Title>"),
                  std::string::npos);
    }
    EXPECT_EQ(savedFileBytes(u"/home/user/秘密/page.htm", u"").find(text::toCp932(u"秘密")),
              std::string::npos);
    EXPECT_NE(savedFileBytes(u"/t/a.htm", u"?a😀\u00E9\xD800!")
                  .find(">\r\n?a&#128512;&#233;&#65533;!\r\n\r\n</Font></Pre>"),
              std::string::npos);
}

} // namespace
} // namespace tovalo::html
