#pragma once

#include <cstdint>

namespace fennick {

// A colour as 0x00BBGGRR, the layout of a Windows COLORREF, so values pass to GDI unchanged.
using Color = std::uint32_t;

// Each channel keeps its low eight bits.
constexpr Color Rgb(int red, int green, int blue)
{
    return static_cast<Color>((red & 0xFF) | (green & 0xFF) << 8 | (blue & 0xFF) << 16);
}
constexpr int ColorRed(Color color)
{
    return color & 0xFF;
}
constexpr int ColorGreen(Color color)
{
    return (color >> 8) & 0xFF;
}
constexpr int ColorBlue(Color color)
{
    return (color >> 16) & 0xFF;
}
constexpr Color InvertColor(Color color)
{
    return (color & 0xFFFFFF) ^ 0xFFFFFF;
}

} // namespace fennick
