#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tovalo::text {

// Decodes the bytes of a text file the user opens: UTF-8 or UTF-16 behind a byte-order
// mark, ISO-2022-JP by its escape sequences, well-formed UTF-8, UTF-16 without a mark,
// EUC-JP when uchardet recognises it, and code page 932 last.
// Nothing when the bytes are not text: NUL bytes outside UTF-16, or bytes that no
// character stands for.
std::optional<std::u16string> decodeTextFile(std::string_view bytes);

} // namespace tovalo::text
