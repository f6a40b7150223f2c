#pragma once

#include "markup/portable/PixelFormulas.h"
#include "framework/portable/PixelGeometry.h"

#include <vector>

namespace fennick {

inline constexpr int kGradientBandCount = 64;

// One band of a gradient along one axis: [start, end) in pixels.
struct GradientBand {
    int start = 0;
    int end = 0;
    Color color = 0;

    friend bool operator==(const GradientBand&, const GradientBand&) = default;
};

// The 64 bands from `from` towards `to` over [start, start + extent); the last band stops 1/64
// short of `to`. Bands that would cover no pixel are left out.
std::vector<GradientBand> GradientBands(int start, int extent, Color from, Color to);

struct GradientFill {
    PixelRect rect;
    Color from = 0;
    Color to = 0;
    bool horizontal = true;

    friend bool operator==(const GradientFill&, const GradientFill&) = default;
};

enum class FillKind { Solid, Gradient, Texture, None };

// How a background effect fills a rectangle: nothing for an empty one, two-colour and
// three-colour gradients, procedural textures, and a solid fill for every other number.
FillKind FillKindOf(int effect, const PixelRect& rect);

// The gradients of a gradient effect over rect: one, or one per half.
std::vector<GradientFill> GradientFills(int effect, const PixelRect& rect, Color first, Color mid, Color end);

} // namespace fennick
