#pragma once

#include <string>
#include <string_view>

namespace tovalo::text {

// Turns every LF that does not follow a CR into CR LF, the line break the engine expects.
std::u16string withCrLf(std::u16string_view text);

// Turns every CR LF pair into a single LF.
std::u16string withLf(std::u16string_view text);

} // namespace tovalo::text
