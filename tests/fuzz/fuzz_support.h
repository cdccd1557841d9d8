#pragma once

// What every fuzz target shares: a check that stops the run, and random texts.

#include "platform/text/unicode.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstddef>
#include <cstdio>
#include <initializer_list>
#include <string>

// Stops the run, naming the property; libFuzzer keeps the input that broke it.
#define FUZZ_CHECK(condition)                                                                      \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            std::fprintf(stderr, "property failed: %s (%s:%d)\n", #condition, __FILE__, __LINE__); \
            __builtin_trap();                                                                      \
        }                                                                                          \
    } while (0)

namespace tovalo::fuzz {

// A short piece or the rest of the input as UTF-8, now and then as raw UTF-16 units,
// which lets lone surrogates in; at most maxUnits code units.
inline std::u16string consumeText(FuzzedDataProvider &in, std::size_t maxUnits, bool rest = false) {
    const bool rawUnits = in.ConsumeIntegralInRange(0, 7) == 0;
    const std::string bytes =
        rest ? in.ConsumeRemainingBytesAsString() : in.ConsumeRandomLengthString(maxUnits);
    std::u16string text = rawUnits ? text::fromUtf16(bytes, false) : text::fromUtf8(bytes);
    text.resize(std::min(text.size(), maxUnits));
    return text;
}

// Mostly a small value from 0 to 39, sometimes one of the edges.
template <class T> T consumeSmallOrEdge(FuzzedDataProvider &in, std::initializer_list<T> edges) {
    const std::size_t pick = in.ConsumeIntegralInRange<std::size_t>(0, 39 + edges.size());
    return pick < 40 ? static_cast<T>(pick) : edges.begin()[pick - 40];
}

} // namespace tovalo::fuzz
