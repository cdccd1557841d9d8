#pragma once

// The C++ library that Debian's Emscripten ships (libc++ 13) lacks the range forms of
// the sorting algorithms. The WebAssembly build includes this header first in every
// file, so that the core compiles there unchanged; newer libraries have their own.

#include <algorithm>
#include <functional>
#include <iterator>

#if defined(_LIBCPP_VERSION) && _LIBCPP_VERSION < 15000

namespace std::ranges {

struct __tovalo_less {
    template <class A, class B> constexpr bool operator()(const A &a, const B &b) const {
        return a < b;
    }
};

template <class Range, class Compare = __tovalo_less>
constexpr bool is_sorted(const Range &range, Compare compare = {}) {
    return std::is_sorted(std::begin(range), std::end(range), compare);
}

template <class Range, class Value, class Compare = __tovalo_less, class Projection = identity>
constexpr auto lower_bound(Range &range, const Value &value, Compare compare = {},
                           Projection projection = {}) {
    return std::lower_bound(std::begin(range), std::end(range), value,
                            [&](const auto &element, const Value &wanted) {
                                return compare(std::invoke(projection, element), wanted);
                            });
}

} // namespace std::ranges

#endif
