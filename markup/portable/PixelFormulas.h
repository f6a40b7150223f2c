#pragma once

#include "markup/portable/Color.h"

#include <cstdint>

namespace fennick {

// A pixel of a 32-bit section: 0xAARRGGBB, blue in the lowest byte.
using Pixel = std::uint32_t;

constexpr Pixel MakePixel(int red, int green, int blue, int alpha = 0)
{
    return static_cast<Pixel>((blue & 0xFF) | (green & 0xFF) << 8 | (red & 0xFF) << 16 |
                              static_cast<Pixel>(alpha & 0xFF) << 24);
}
constexpr int PixelBlue(Pixel pixel)
{
    return pixel & 0xFF;
}
constexpr int PixelGreen(Pixel pixel)
{
    return (pixel >> 8) & 0xFF;
}
constexpr int PixelRed(Pixel pixel)
{
    return (pixel >> 16) & 0xFF;
}
constexpr int PixelAlpha(Pixel pixel)
{
    return (pixel >> 24) & 0xFF;
}

// Swaps red and blue; alpha 0.
constexpr Pixel PixelFromColor(Color color)
{
    return MakePixel(ColorRed(color), ColorGreen(color), ColorBlue(color));
}
constexpr Color ColorFromPixel(Pixel pixel)
{
    return Rgb(PixelRed(pixel), PixelGreen(pixel), PixelBlue(pixel));
}

// The per-pixel colour effects of the image operations. Each yields alpha 0, except where a
// factor outside its range leaves the pixel as it was.
Pixel GrayPixel(Pixel pixel);
Pixel ScalePixel(Pixel pixel, double factor); // 0 <= factor < 1
Pixel LightenPixel(Pixel pixel, double factor); // 0 < factor <= 1
Pixel InvertPixel(Pixel pixel);
Pixel MixPixels(double alpha, Pixel source, Pixel destination);

} // namespace fennick
