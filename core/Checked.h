// Integer arithmetic and indexing that raise instead of wrapping.
#pragma once

#include <cstddef>
#include <cstdint>

#include "core/Exception.h"

namespace tk {

inline std::int32_t CheckedAdd(std::int32_t a, std::int32_t b) {
    std::int32_t r;
    if (__builtin_add_overflow(a, b, &r)) throw EIntOverflow();
    return r;
}

inline std::int32_t CheckedSub(std::int32_t a, std::int32_t b) {
    std::int32_t r;
    if (__builtin_sub_overflow(a, b, &r)) throw EIntOverflow();
    return r;
}

inline std::int32_t CheckedMul(std::int32_t a, std::int32_t b) {
    std::int32_t r;
    if (__builtin_mul_overflow(a, b, &r)) throw EIntOverflow();
    return r;
}

template <class Container>
auto& CheckedAt(Container& c, std::size_t index) {
    if (index >= c.size()) throw ERangeError();
    return c[index];
}

}  // namespace tk
