#pragma once

namespace tovalo::text {

// The full-width form of one character: U+0020 becomes U+3000, U+0021 to U+007E are
// moved by 0xFEE0 to U+FF01 to U+FF5E, and the half-width katakana and punctuation
// U+FF61 to U+FF9F become their full-width counterparts (the sound marks U+FF9E
// and U+FF9F the spacing marks ゛ and ゜). Everything else is returned
// unchanged. Each character is converted alone, so a half-width voiced sound mark
// never combines with the character before it.
char32_t toFullWidth(char32_t ch);

} // namespace tovalo::text
