#include "html/html_export.h"

#include "platform/text/cp932.h"
#include "platform/text/encode.h"
#include "platform/text/unicode.h"
#include "product/program_info.h"

namespace tovalo::html {
namespace {

constexpr std::u16string_view kCrLf = u"\r\n";
constexpr std::u16string_view kOpenTag =
    u"<PRE><Font face=\"FixedSys,ＭＳ ゴシック, Osaka－等幅, mono\">";
constexpr std::u16string_view kCloseTag = u"</Font></Pre>";

// The text as a web page shows it literally: markup characters as entities.
std::u16string escaped(std::u16string_view text) {
    std::u16string out;
    out.reserve(text.size());
    for (char16_t c : text) {
        switch (c) {
        case u'&':
            out += u"&amp;";
            break;
        case u'<':
            out += u"&lt;";
            break;
        case u'>':
            out += u"&gt;";
            break;
        default:
            out += c;
        }
    }
    return out;
}

// Code page 932 in which each character the code page lacks is written as a numeric
// character reference, so that the page still shows it.
std::string encodeForPage(std::u16string_view page) {
    std::string out;
    out.reserve(page.size() * 2);
    for (std::size_t i = 0; i < page.size();) {
        const std::size_t start = i;
        char32_t code = text::nextCodePoint(page, i);
        const std::u16string_view character = page.substr(start, i - start);
        const std::string bytes = text::toCp932(character);
        if (bytes != "?" || character == u"?") {
            out += bytes;
            continue;
        }
        if (code >= 0xD800 && code < 0xE000)
            code = 0xFFFD; // half of a pair stands for no character
        out += "&#" + std::to_string(static_cast<std::uint32_t>(code)) + ";";
    }
    return out;
}

} // namespace

bool namesHtmlPage(std::u16string_view fileName) {
    return fileName.ends_with(u"htm");
}

std::u16string taggedFragment(std::u16string_view vertical) {
    std::u16string out(kOpenTag);
    out += kCrLf;
    out += escaped(vertical);
    out += kCrLf;
    out += kCloseTag;
    return out;
}

std::u16string htmlPage(std::u16string_view title, std::u16string_view vertical) {
    std::u16string page;
    const auto line = [&page](std::u16string_view text) {
        page += text;
        page += kCrLf;
    };
    line(u"<HTML><HEAD>"
         u"<META http-equiv=\"Content-Type\" content=\"text/html; charset=Shift_JIS\">"
         u"<Title>");
    line(escaped(title));
    line(u"</Title></HEAD><Body>");
    line(u"");
    line(u"<Table border  CELLPADDING=\"20\"");
    line(u" ALIGN=\"center\"><TR><TD>");
    line(kOpenTag);
    line(escaped(vertical));
    line(u"");
    line(kCloseTag);
    line(u"この文章は｢Tovalo｣で作成しました。<BR>");
    line(u"<A HREF=\"" + std::u16string(program_info::kDownloadPage) + u"\">入手!</A>");
    line(u"</TD></TR></Table>");
    line(u"</Body></Html>");
    return page;
}

std::u16string_view ownName(std::u16string_view path) {
    const std::size_t slash = path.rfind(u'/');
    return slash == std::u16string_view::npos ? path : path.substr(slash + 1);
}

std::string savedFileBytes(std::u16string_view fileName, std::u16string_view vertical) {
    if (namesHtmlPage(fileName))
        return encodeForPage(htmlPage(ownName(fileName), vertical));
    return text::encodeForFile(std::u16string(vertical) + std::u16string(kCrLf));
}

} // namespace tovalo::html
