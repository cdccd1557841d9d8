#pragma once

#include <string>
#include <string_view>

namespace tovalo::text {

// Decodes the bytes of a text file: UTF-8 or UTF-16 when a byte-order mark says so,
// UTF-8 when the bytes are well-formed UTF-8, code page 932 otherwise. The mark
// itself is not part of the text.
std::u16string decodeText(std::string_view bytes);

} // namespace tovalo::text
