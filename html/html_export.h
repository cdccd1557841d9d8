#pragma once

#include <string>
#include <string_view>

// The vertical text as a file or as a fragment for web pages.
namespace tovalo::html {

// True when a file name asks for the HTML page: its last three characters are exactly
// "htm", whatever comes before them.
bool namesHtmlPage(std::u16string_view fileName);

// The vertical text in a preformatted block of fixed-pitch fonts, for pasting into a
// web page of the user's own.
std::u16string taggedFragment(std::u16string_view vertical);

// A page that shows the vertical text in a centred table, credits the program and links
// to its download page.
std::u16string htmlPage(std::u16string_view title, std::u16string_view vertical);

// The file's own name: what follows the last '/' of a path.
std::u16string_view ownName(std::u16string_view path);

// What saving the vertical text under `fileName` writes: the HTML page in code page 932
// when the name asks for it, titled with the file's own name so that a published page
// does not show the user's folders; otherwise the text followed by one CR LF, in code
// page 932 when that code page holds every character, else in UTF-8 with a byte-order mark.
std::string savedFileBytes(std::u16string_view fileName, std::u16string_view vertical);

} // namespace tovalo::html
