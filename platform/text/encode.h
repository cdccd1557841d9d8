#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace tovalo::text {

// The position, in code units, of the first character that code page 932 cannot
// represent (a lone surrogate counts as one), or nothing when it can represent all.
std::optional<std::size_t> firstUnencodable(std::u16string_view text);

// The bytes of a text file the program writes: code page 932 when that code page can
// represent every character, else UTF-8 with a byte-order mark, so that nothing is
// lost. decodeText reads both back.
std::string encodeForFile(std::u16string_view text);

} // namespace tovalo::text
