#pragma once

#include <cstddef>
#include <string>

namespace tovalo::bench {

// A reproducible Japanese text of about `characters` characters: kana and kanji
// with full stops and commas, some half-width letters and digits, and a line
// break (CR LF) every 20 to 60 characters.
std::u16string sampleText(std::size_t characters);

} // namespace tovalo::bench
