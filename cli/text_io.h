#pragma once

#include <optional>
#include <string>

namespace tovalo::cli {

// Reads the input file (standard input when absent or "-") and decodes it, with
// every lone LF made a CR LF as the window's panes do. On failure, an input too large
// to convert included, returns nothing and sets error.
std::optional<std::u16string> readInputText(const std::optional<std::string> &file,
                                            std::string &error);

// Decodes a text given as an argument (UTF-8, else code page 932).
std::u16string argumentText(const std::string &bytes);

struct OutputForm {
    bool crlf = false; // keep CR LF line ends instead of LF
    bool sjis = false; // code page 932 instead of UTF-8
};

// Writes the text to standard output in the chosen form. Writes nothing and returns
// false, with error set, when code page 932 is chosen and cannot represent a character;
// false also when writing fails. main() flushes and checks standard output at the end.
bool writeOutputText(const std::u16string &text, OutputForm form, std::string &error);

} // namespace tovalo::cli
