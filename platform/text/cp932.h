#pragma once

#include <string>
#include <string_view>

namespace tovalo::text {

// Code page 932 (Shift_JIS as Windows uses it), from tables generated at build time.

// Encodes UTF-16 text; a character the code page cannot represent becomes one '?'.
std::string toCp932(std::u16string_view text);

// True when the code page holds the BMP character so that it reads back as itself
// (not, like U+301C, as another character); never for a surrogate.
bool isEncodable(char16_t unit);

// Decodes code page 932 bytes; a byte sequence that stands for no character becomes U+FFFD.
std::u16string fromCp932(std::string_view bytes);

} // namespace tovalo::text
