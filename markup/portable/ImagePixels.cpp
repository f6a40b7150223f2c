#include "markup/portable/ImagePixels.h"

#include "markup/portable/ImageStyle.h"

#include <algorithm>
#include <cstddef>

namespace fennick {

namespace {

constexpr double kByteToUnit = 0.00392156862745098; // 1 / 255

Pixel TransformPixel(Pixel pixel, std::int32_t flags, bool useMask, Pixel maskPixel, Pixel fillPixel)
{
    Pixel result = 0;
    if (!useMask || pixel != maskPixel) {
        result = (flags & ImageGrayscale) ? GrayPixel(pixel) : pixel;
        if (flags & ImageDarken) {
            result = ScalePixel(result, 0.75);
        }
        if (flags & ImageLighten) {
            result = LightenPixel(result, 0.25);
        }
        if (flags & ImageOneColor) {
            result = fillPixel;
        }
    }
    if (flags & ImageInvert) {
        result = InvertPixel(result);
    }
    return (pixel & 0xFF000000) | (result & 0x00FFFFFF);
}

// Even kernels have no centre; the shadow uses the next odd size, and never less than 1.
int OddKernel(int blur)
{
    blur = std::max(blur, 1);
    return blur % 2 == 0 ? blur + 1 : blur;
}

} // namespace

bool TransformPixels(std::span<Pixel> pixels, std::int32_t flags, bool useMask, Pixel maskPixel, Pixel fillPixel)
{
    bool sawAlpha = false;
    for (Pixel& pixel : pixels) {
        sawAlpha = sawAlpha || PixelAlpha(pixel) != 0;
        pixel = TransformPixel(pixel, flags, useMask, maskPixel, fillPixel);
    }
    return sawAlpha;
}

void BlendPixels(std::span<const Pixel> source, std::span<Pixel> destination)
{
    const std::size_t count = std::min(source.size(), destination.size());
    for (std::size_t i = 0; i < count; ++i) {
        destination[i] = MixPixels(PixelAlpha(source[i]) * kByteToUnit, source[i], destination[i]);
    }
}

void ShadePixels(std::span<Pixel> destination, std::span<const double> factors)
{
    const std::size_t count = std::min(factors.size(), destination.size());
    for (std::size_t i = 0; i < count; ++i) {
        destination[i] = ScalePixel(destination[i], factors[i]);
    }
}

std::vector<double> HardShadowFactors(std::span<const Pixel> silhouette)
{
    std::vector<double> factors(silhouette.size());
    std::transform(silhouette.begin(), silhouette.end(), factors.begin(),
                   [](Pixel pixel) { return PixelBlue(pixel) * kByteToUnit; });
    return factors;
}

SoftShadowLayout LayOutSoftShadow(int width, int height, int blurX, int blurY)
{
    SoftShadowLayout layout;
    layout.kernelWidth = OddKernel(blurX);
    layout.kernelHeight = OddKernel(blurY);
    const int left = layout.kernelWidth / 2;
    const int top = layout.kernelHeight / 2;
    layout.silhouette = {left, top, left + std::max(width - layout.kernelWidth, 0),
                         top + std::max(height - layout.kernelHeight, 0)};
    return layout;
}

} // namespace fennick
