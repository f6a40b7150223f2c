#include "markup/portable/Gradients.h"

#include "markup/portable/BackgroundEffect.h"

#include "tests/markup/portable/GeometryPrinters.h"

#include <gtest/gtest.h>

namespace fennick {
namespace {

constexpr ColorRef Black = 0x000000;
constexpr ColorRef White = 0xFFFFFF;

TEST(GradientBands, BlackToWhiteOverSixtyFourPixelsGivesSixtyFourGreys)
{
    const std::vector<GradientBand> bands = GradientBands(10, 64, Black, White);
    ASSERT_EQ(bands.size(), 64u);
    for (int k = 0; k < 64; ++k) {
        const int grey = k * 255 / 64;
        EXPECT_EQ(bands[k], (GradientBand{10 + k, 11 + k, MakeColorRef(grey, grey, grey)})) << k;
    }
    EXPECT_EQ(bands.back().color, MakeColorRef(251, 251, 251)) << "one band short of white";
}

TEST(GradientBands, ChannelsRunIndependently)
{
    const std::vector<GradientBand> bands = GradientBands(0, 128, MakeColorRef(255, 0, 64), MakeColorRef(0, 255, 64));
    EXPECT_EQ(bands[32].color, MakeColorRef(127, 127, 64));
    EXPECT_EQ(bands[32].start, 64);
    EXPECT_EQ(bands[32].end, 66);
}

TEST(GradientBands, NarrowExtentsSkipEmptyBandsAndStillCoverEveryPixel)
{
    for (const int extent : {1, 10, 63, 65, 1000}) {
        const std::vector<GradientBand> bands = GradientBands(-5, extent, Black, White);
        ASSERT_EQ(bands.size(), static_cast<std::size_t>(std::min(extent, 64)));
        int next = -5;
        for (const GradientBand& band : bands) {
            EXPECT_EQ(band.start, next);
            EXPECT_GT(band.end, band.start);
            next = band.end;
        }
        EXPECT_EQ(next, -5 + extent);
    }
    EXPECT_TRUE(GradientBands(0, 0, Black, White).empty());
    EXPECT_TRUE(GradientBands(0, -9, Black, White).empty());
    EXPECT_EQ(GradientBands(0, 2000000000, Black, White).back().end, 2000000000) << "no overflow";
}

TEST(FillKind, EmptyRectanglesDrawNothingAndUnknownEffectsAreSolid)
{
    const PixelRect area{0, 0, 5, 5};
    EXPECT_EQ(FillKindOf(EffectHGradient, {3, 0, 3, 9}), FillKind::None);
    EXPECT_EQ(FillKindOf(EffectSolid, {0, 4, 9, 4}), FillKind::None);
    EXPECT_EQ(FillKindOf(EffectMetal, {9, 0, 3, 9}), FillKind::None);
    EXPECT_EQ(FillKindOf(EffectSolid, area), FillKind::Solid);
    EXPECT_EQ(FillKindOf(EffectTransparent, area), FillKind::Solid);
    EXPECT_EQ(FillKindOf(16, area), FillKind::Solid);
    EXPECT_EQ(FillKindOf(Effect3VGradient, area), FillKind::Gradient);
    EXPECT_EQ(FillKindOf(EffectNoise, area), FillKind::Texture);
    EXPECT_EQ(FillKindOf(EffectMetal, area), FillKind::Texture);
}

TEST(GradientFills, HalvesSplitAtTheMiddleWithTheLeftOrTopHalfSmaller)
{
    const PixelRect odd{10, 20, 21, 27}; // 11 wide, 7 high
    const ColorRef first = 1, mid = 2, end = 3;
    EXPECT_EQ(GradientFills(EffectHCGradient, odd, first, mid, end),
              (std::vector<GradientFill>{{{10, 20, 15, 27}, first, end, true}, {{15, 20, 21, 27}, end, first, true}}));
    EXPECT_EQ(GradientFills(EffectVCGradient, odd, first, mid, end),
              (std::vector<GradientFill>{{{10, 20, 21, 23}, first, end, false}, {{10, 23, 21, 27}, end, first, false}}));
    EXPECT_EQ(GradientFills(Effect3HGradient, odd, first, mid, end),
              (std::vector<GradientFill>{{{10, 20, 15, 27}, first, mid, true}, {{15, 20, 21, 27}, mid, end, true}}));
    EXPECT_EQ(GradientFills(Effect3VGradient, odd, first, mid, end),
              (std::vector<GradientFill>{{{10, 20, 21, 23}, first, mid, false}, {{10, 23, 21, 27}, mid, end, false}}));
    EXPECT_EQ(GradientFills(EffectVGradient, odd, first, mid, end),
              (std::vector<GradientFill>{{odd, first, end, false}}));
    EXPECT_TRUE(GradientFills(EffectNoise, odd, first, mid, end).empty());
}

} // namespace
} // namespace fennick
