#include "markup/portable/Gradients.h"

#include "markup/portable/BackgroundEffect.h"

#include <cstdint>

namespace fennick {

namespace {

Color BandColor(int band, Color from, Color to)
{
    const auto mix = [band](int a, int b) { return ((kGradientBandCount - band) * a + band * b) / kGradientBandCount; };
    return Rgb(mix(ColorRed(from), ColorRed(to)), mix(ColorGreen(from), ColorGreen(to)),
               mix(ColorBlue(from), ColorBlue(to)));
}

int BandEdge(int start, int extent, int band)
{
    return start + static_cast<int>(static_cast<std::int64_t>(band) * extent / kGradientBandCount);
}

} // namespace

std::vector<GradientBand> GradientBands(int start, int extent, Color from, Color to)
{
    std::vector<GradientBand> bands;
    for (int band = 0; extent > 0 && band < kGradientBandCount; ++band) {
        const int bandStart = BandEdge(start, extent, band);
        const int bandEnd = BandEdge(start, extent, band + 1);
        if (bandEnd != bandStart) {
            bands.push_back({bandStart, bandEnd, BandColor(band, from, to)});
        }
    }
    return bands;
}

FillKind FillKindOf(int effect, const PixelRect& rect)
{
    if (rect.IsEmpty()) {
        return FillKind::None;
    }
    if (effect >= EffectHGradient && effect <= Effect3VGradient) {
        return FillKind::Gradient;
    }
    if (effect >= EffectNoise && effect <= EffectMetal) {
        return FillKind::Texture;
    }
    return FillKind::Solid;
}

std::vector<GradientFill> GradientFills(int effect, const PixelRect& rect, Color first, Color mid, Color end)
{
    const int middleX = rect.left + rect.Width() / 2;
    const int middleY = rect.top + rect.Height() / 2;
    const PixelRect leftHalf{rect.left, rect.top, middleX, rect.bottom};
    const PixelRect rightHalf{middleX, rect.top, rect.right, rect.bottom};
    const PixelRect topHalf{rect.left, rect.top, rect.right, middleY};
    const PixelRect bottomHalf{rect.left, middleY, rect.right, rect.bottom};
    switch (effect) {
    case EffectHGradient:
        return {{rect, first, end, true}};
    case EffectVGradient:
        return {{rect, first, end, false}};
    case EffectHCGradient:
        return {{leftHalf, first, end, true}, {rightHalf, end, first, true}};
    case EffectVCGradient:
        return {{topHalf, first, end, false}, {bottomHalf, end, first, false}};
    case Effect3HGradient:
        return {{leftHalf, first, mid, true}, {rightHalf, mid, end, true}};
    case Effect3VGradient:
        return {{topHalf, first, mid, false}, {bottomHalf, mid, end, false}};
    default:
        return {};
    }
}

} // namespace fennick
