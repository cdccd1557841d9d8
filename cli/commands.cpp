#include "commands.h"

#include <cstdio>

namespace tovalo::cli {

const char *const kUsage =
    "Usage:\n"
    "  tovalo-cli convert [--height TEXT] [--lines TEXT] [--fixed] [--margin TEXT] [--no-gap]\n"
    "                     [--separator N] [--full-width] [--no-shaping] [--rule TEXT]\n"
    "                     [--vertical-forms] [--tate-chu-yoko] [--crlf] [--sjis] [FILE]\n"
    "  tovalo-cli count   [--height TEXT] [--full-width] [--no-shaping] [--vertical-forms]\n"
    "                     [--tate-chu-yoko] [FILE]\n"
    "  tovalo-cli phone   [--height N] [--width N] [--no-breaks] [--rule TEXT] [--full-width]\n"
    "                     [--vertical-forms] [--tate-chu-yoko] [--crlf] [--sjis] [FILE]\n"
    "  tovalo-cli --help | --version\n"
    "\n"
    "Turns horizontal Japanese text into vertical text. Reads FILE or standard input\n"
    "(UTF-8, UTF-16, EUC-JP, ISO-2022-JP or Shift_JIS) and writes UTF-8.\n"
    "\n"
    "  --height TEXT    characters per column (default 10; phone: rows per page, 6)\n"
    "  --lines TEXT     number of lines (columns); default: as many as the text needs,\n"
    "                   or 5 with --fixed\n"
    "  --fixed          cut the text into pages of at most --lines lines\n"
    "  --margin TEXT    half-width spaces before every row (default 0)\n"
    "  --no-gap         no separator between lines\n"
    "  --separator N    1 one space, 2 two spaces, 3 ideographic space, 4 '|', 5 '｜'\n"
    "  --full-width     convert every character to its full-width form\n"
    "  --no-shaping     no punctuation shaping\n"
    "  --vertical-forms brackets, dashes, ellipses and arrows in their vertical forms\n"
    "  --tate-chu-yoko  two half-width digits (or !!, !?, ?!, ?\?) side by side in one cell\n"
    "  --rule TEXT      rule text of pages (default ＊)\n"
    "  --width N        phone: cells per row (default 8)\n"
    "  --no-breaks      phone: no line break after every row\n"
    "  --crlf           keep CR LF line ends\n"
    "  --sjis           write Shift_JIS (code page 932); fails on a character it lacks\n"
    "\n"
    "Exit status: 0 success, 1 the conversion failed, the input could not be read or\n"
    "is too large, or the output could not be written; 2 bad options.\n";

int fail(const std::string &message, int status) {
    std::fprintf(stderr, "tovalo-cli: %s\n", message.c_str());
    return status;
}

int badUsage(const std::string &message) {
    std::fprintf(stderr, "tovalo-cli: %s\n%s", message.c_str(), kUsage);
    return kExitBadUsage;
}

} // namespace tovalo::cli
