#pragma once

// What every fuzz target shares: a check that stops the run at once, and the
// random texts it feeds to the code under test.

#include "platform/text/unicode.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdio>
#include <initializer_list>
#include <string>

// Stops the run when a property does not hold, naming it; libFuzzer then keeps the
// input that broke it.
#define FUZZ_CHECK(condition)                                                                      \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            std::fprintf(stderr, "property failed: %s (%s:%d)\n", #condition, __FILE__, __LINE__); \
            __builtin_trap();                                                                      \
        }                                                                                          \
    } while (0)

namespace tovalo::fuzz {

// Bytes as text: UTF-8 unless the selector asks for raw UTF-16 code units, which is how
// lone surrogates get in. Seed files are plain UTF-8 text for that reason.
inline std::u16string textOf(const std::string &bytes, bool rawUnits, std::size_t maxUnits) {
    std::u16string text = rawUnits ? text::fromUtf16(bytes, false) : text::fromUtf8(bytes);
    if (text.size() > maxUnits)
        text.resize(maxUnits);
    return text;
}

// A short text from the front of the input.
inline std::u16string consumeShortText(FuzzedDataProvider &in, std::size_t maxBytes) {
    const bool rawUnits = in.ConsumeIntegralInRange(0, 7) == 0;
    return textOf(in.ConsumeRandomLengthString(maxBytes), rawUnits, maxBytes);
}

// The rest of the input as text, cut to at most maxUnits code units.
inline std::u16string consumeRestAsText(FuzzedDataProvider &in, std::size_t maxUnits) {
    const bool rawUnits = in.ConsumeIntegralInRange(0, 7) == 0;
    return textOf(in.ConsumeRemainingBytesAsString(), rawUnits, maxUnits);
}

// Mostly a small value from 0 to 39, sometimes one of the edges.
template <class T> T consumeSmallOrEdge(FuzzedDataProvider &in, std::initializer_list<T> edges) {
    const std::size_t pick = in.ConsumeIntegralInRange<std::size_t>(0, 39 + edges.size());
    return pick < 40 ? static_cast<T>(pick) : edges.begin()[pick - 40];
}

} // namespace tovalo::fuzz
