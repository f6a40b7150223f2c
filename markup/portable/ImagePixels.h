#pragma once

#include "markup/portable/PixelFormulas.h"
#include "framework/portable/PixelGeometry.h"

#include <cstdint>
#include <span>
#include <vector>

namespace fennick {

// Applies the image style flags to every pixel in place. Pixels equal to maskPixel (all four
// bytes) become black before the inversion when useMask is set; each pixel keeps its alpha byte.
// Returns whether any pixel carries a non-zero alpha byte.
bool TransformPixels(std::span<Pixel> pixels, std::int32_t flags, bool useMask, Pixel maskPixel, Pixel fillPixel);

// Blends source over destination with each source pixel's own alpha.
void BlendPixels(std::span<const Pixel> source, std::span<Pixel> destination);

// Darkens every destination pixel by its factor (1 leaves it unchanged).
void ShadePixels(std::span<Pixel> destination, std::span<const double> factors);

// A hard shadow lets through the blue share of its silhouette colour.
std::vector<double> HardShadowFactors(std::span<const Pixel> silhouette);

// Where a soft shadow's silhouette goes inside its area so that the blur stays inside.
struct SoftShadowLayout {
    int kernelWidth = 1;
    int kernelHeight = 1;
    PixelRect silhouette; // empty when the kernel is as large as the area
};
SoftShadowLayout LayOutSoftShadow(int width, int height, int blurX, int blurY);

} // namespace fennick
