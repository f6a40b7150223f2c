#include "markup/portable/Gradients.h"

#include "markup/portable/BackgroundEffect.h"

#include <gtest/gtest.h>

namespace fennick {
namespace {

TEST(GradientBands, NarrowExtentsShareBandsAndStillCoverEveryPixelOnce)
{
    for (const int extent : {1, 10, 63, 64, 65, 1000, 2000000000}) {
        const std::vector<GradientBand> bands = GradientBands(-5, extent, 0x000000, 0xFFFFFF);
        ASSERT_EQ(bands.size(), static_cast<std::size_t>(std::min(extent, 64)));
        int next = -5;
        for (const GradientBand& band : bands) {
            ASSERT_EQ(band.start, next) << extent;
            next = band.end;
        }
        EXPECT_EQ(next, -5 + extent) << "no overflow";
    }
    EXPECT_TRUE(GradientBands(0, 0, 0, 0xFFFFFF).empty());
    const GradientBand mixed = GradientBands(0, 128, MakeColorRef(255, 0, 64), MakeColorRef(0, 255, 64))[32];
    EXPECT_EQ(mixed.color, MakeColorRef(127, 127, 64)) << "channels run independently";
}

TEST(GradientFills, HalvesSplitAtTheMiddleWithTheLeftOrTopHalfSmaller)
{
    const PixelRect odd{10, 20, 21, 27}; // 11 wide, 7 high
    const PixelRect left{10, 20, 15, 27}, right{15, 20, 21, 27}, top{10, 20, 21, 23}, bottom{10, 23, 21, 27};
    using Fills = std::vector<GradientFill>;
    EXPECT_EQ(GradientFills(EffectVGradient, odd, 1, 2, 3), (Fills{{odd, 1, 3, false}}));
    EXPECT_EQ(GradientFills(EffectHCGradient, odd, 1, 2, 3), (Fills{{left, 1, 3, true}, {right, 3, 1, true}}));
    EXPECT_EQ(GradientFills(EffectVCGradient, odd, 1, 2, 3), (Fills{{top, 1, 3, false}, {bottom, 3, 1, false}}));
    EXPECT_EQ(GradientFills(Effect3HGradient, odd, 1, 2, 3), (Fills{{left, 1, 2, true}, {right, 2, 3, true}}));
    EXPECT_EQ(GradientFills(Effect3VGradient, odd, 1, 2, 3), (Fills{{top, 1, 2, false}, {bottom, 2, 3, false}}));
    EXPECT_EQ(FillKindOf(EffectTransparent, odd), FillKind::Solid);
    EXPECT_EQ(FillKindOf(EffectMetal + 1, odd), FillKind::Solid);
}

} // namespace
} // namespace fennick
