#include "markup/portable/PixelFormulas.h"

#include <algorithm>

namespace fennick {

namespace {

template <typename ByteFormula>
Pixel MapBytes(Pixel pixel, ByteFormula formula)
{
    return MakePixel(formula(PixelRed(pixel)), formula(PixelGreen(pixel)), formula(PixelBlue(pixel)));
}

} // namespace

Pixel GrayPixel(Pixel pixel)
{
    const auto luma = static_cast<int>(0.587 * PixelGreen(pixel) + 0.299 * PixelRed(pixel) + 0.114 * PixelBlue(pixel));
    return static_cast<Pixel>(luma & 0xFF) * 0x010101;
}

Pixel ScalePixel(Pixel pixel, double factor)
{
    if (!(factor >= 0.0 && factor < 1.0)) {
        return pixel;
    }
    return MapBytes(pixel, [factor](int byte) { return static_cast<int>(factor * byte); });
}

Pixel LightenPixel(Pixel pixel, double factor)
{
    if (!(factor > 0.0 && factor <= 1.0)) {
        return pixel;
    }
    return MapBytes(pixel, [factor](int byte) { return static_cast<int>(std::min(255.0, (1.0 + factor) * byte)); });
}

Pixel InvertPixel(Pixel pixel)
{
    return MapBytes(pixel, [](int byte) { return 255 - byte; });
}

Pixel MixPixels(double alpha, Pixel source, Pixel destination)
{
    const auto mix = [alpha](int s, int d) { return static_cast<int>(alpha * s + (1.0 - alpha) * d); };
    return MakePixel(mix(PixelRed(source), PixelRed(destination)), mix(PixelGreen(source), PixelGreen(destination)),
                     mix(PixelBlue(source), PixelBlue(destination)));
}

} // namespace fennick
