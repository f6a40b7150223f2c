#pragma once

#include "markup/portable/Numbers.h"

#include <cstdint>
#include <cstdlib>

namespace fennick {

// Layout arithmetic that saturates at the limits of int instead of overflowing: sizes and
// coordinates from hostile markup (huge counts, fonts, rules or percentages) stay in range.

inline int AddSaturated(int a, std::int64_t b)
{
    return SaturateToInt(std::int64_t{a} + b);
}

inline int SubtractSaturated(int a, std::int64_t b)
{
    return SaturateToInt(std::int64_t{a} - b);
}

// value x percent / 100 rounded half away from zero, as MulDiv rounds.
inline int PercentOf(int value, int percent)
{
    const std::int64_t product = std::int64_t{value} * percent;
    const std::int64_t rounded = (std::llabs(product) + 50) / 100;
    return SaturateToInt(product < 0 ? -rounded : rounded);
}

} // namespace fennick
