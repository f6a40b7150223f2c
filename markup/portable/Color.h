#pragma once

#include <cstdint>

namespace fennick {

// A colour as 0x00BBGGRR, the layout of a Windows COLORREF, so values pass to GDI unchanged.
using Color = std::uint32_t;

constexpr Color Rgb(std::uint8_t red, std::uint8_t green, std::uint8_t blue)
{
    return static_cast<Color>(red) | static_cast<Color>(green) << 8 | static_cast<Color>(blue) << 16;
}

} // namespace fennick
