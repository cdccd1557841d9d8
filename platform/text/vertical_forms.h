#pragma once

namespace tovalo::text {

// The form a character takes in vertical writing: brackets, ellipses, dashes, colons
// and the low line become their vertical presentation forms, and the four arrows turn a
// quarter to the right. Every other character, the full stop and comma included, is
// returned unchanged.
char32_t toVerticalForm(char32_t ch);

} // namespace tovalo::text
