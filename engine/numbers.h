#pragma once

#include "fault.h"

#include <cstdint>
#include <string_view>

namespace tovalo::engine {

template <class T> struct Reading {
    T value = 0;
    Fault fault = Fault::None;
    bool ok() const { return fault == Fault::None; }
};

// The number boxes hold decimal numbers: blanks around them are allowed, an optional
// sign, digits with an optional fraction and exponent. Anything else, the empty text
// included, is not a number; a value outside the field's range is an error.

// Column height: rounded down, 32-bit.
Reading<std::int32_t> readColHeight(std::u16string_view text);
// Number of lines: rounded to the nearest integer, halves to even, 16-bit.
Reading<std::int16_t> readLineCount(std::u16string_view text);
// Margin: rounded down, 32-bit.
Reading<std::int32_t> readMargin(std::u16string_view text);

} // namespace tovalo::engine
