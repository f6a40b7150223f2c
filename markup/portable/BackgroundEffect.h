#pragma once

#include <cstdint>

namespace fennick {

// Fill kinds of a table, a cell or the whole label; the numbers are part of the markup
// language (a style's backEffect holds them) and must not change.
enum BackgroundEffect : std::int32_t {
    EffectTransparent = -1,
    EffectSolid = 0,
    EffectHGradient = 1,
    EffectVGradient = 2,
    EffectHCGradient = 3,
    EffectVCGradient = 4,
    Effect3HGradient = 5,
    Effect3VGradient = 6,
    EffectNoise = 7,
    EffectDiagShade = 8,
    EffectHShade = 9,
    EffectVShade = 10,
    EffectHBump = 11,
    EffectVBump = 12,
    EffectSoftBump = 13,
    EffectHardBump = 14,
    EffectMetal = 15,
};

// Border line styles; 4 and 5 have no markup keyword but are drawn.
enum BorderStyle : std::int32_t {
    BorderNone = 0,
    BorderSolid = 1,
    BorderDashed = 2,
    BorderDotted = 3,
    BorderDashDot = 4,
    BorderDashDotDot = 5,
    BorderDouble = 6,
};

} // namespace fennick
