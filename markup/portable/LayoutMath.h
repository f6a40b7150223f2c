#pragma once

#include <algorithm>
#include <cstdint>
#include <cstdlib>

namespace fennick {

// Layout arithmetic that saturates instead of overflowing: sizes and coordinates from hostile
// markup (huge counts, fonts, rules or percentages) stay within kMaxCoordinate either way, so
// that the width of any rectangle made of them, and any sum of two, still fits an int.
constexpr int kMaxCoordinate = (1 << 30) - 1;

inline int ClampCoordinate(std::int64_t value)
{
    return static_cast<int>(std::clamp<std::int64_t>(value, -kMaxCoordinate, kMaxCoordinate));
}

inline int AddSaturated(int a, std::int64_t b)
{
    return ClampCoordinate(std::int64_t{a} + b);
}

inline int SubtractSaturated(int a, std::int64_t b)
{
    return ClampCoordinate(std::int64_t{a} - b);
}

// value x percent / 100 rounded half away from zero, as MulDiv rounds.
inline int PercentOf(int value, int percent)
{
    const std::int64_t product = std::int64_t{value} * percent;
    const std::int64_t rounded = (std::llabs(product) + 50) / 100;
    return ClampCoordinate(product < 0 ? -rounded : rounded);
}

} // namespace fennick
