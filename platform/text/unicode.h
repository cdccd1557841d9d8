#pragma once

#include <string>
#include <string_view>

namespace tovalo::text {

// True when the bytes are well-formed UTF-8 (no overlong forms, no surrogates).
bool isValidUtf8(std::string_view bytes);

// Decodes UTF-8; an ill-formed sequence becomes U+FFFD.
std::u16string fromUtf8(std::string_view bytes);

// Encodes UTF-16 as UTF-8; a lone surrogate becomes U+FFFD.
std::string toUtf8(std::u16string_view text);

// Decodes UTF-16 in the given byte order; a trailing odd byte is dropped.
std::u16string fromUtf16(std::string_view bytes, bool bigEndian);

} // namespace tovalo::text
