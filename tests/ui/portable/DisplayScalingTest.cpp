#include <gtest/gtest.h>

#include "ui/portable/DisplayScaling.h"

namespace fennick {
namespace {

TEST(DisplayScaling, FontHeightIsTheNegativeTruncatedPixelHeight)
{
    EXPECT_EQ(ScaledFontHeight(96, 9.0, 100.0), -12);
    EXPECT_EQ(ScaledFontHeight(144, 9.0, 100.0), -18);
    EXPECT_EQ(ScaledFontHeight(96, 9.0, 110.0), -13); // 13.2
    EXPECT_EQ(ScaledFontHeight(96, 0.0, 100.0), 0);
}

TEST(DisplayScaling, FontWidthIsZeroAtExactlyAHundredPercentAndOtherwiseAShareOfHalfTheHeight)
{
    EXPECT_EQ(ScaledFontWidth(-12, 100.0), 0);
    EXPECT_EQ(ScaledFontWidth(-12, 99.999), 6);
    EXPECT_EQ(ScaledFontWidth(-15, 100.1), 8); // 7.5075 rounds up
    EXPECT_EQ(ScaledFontWidth(-13, 99.9), 6); // 6.4935 rounds down
    EXPECT_EQ(ScaledFontWidth(18, 200.0), 18); // the sign of the height does not matter
}

TEST(DisplayScaling, ScalesFromNinetySixDotsPerInchRounded)
{
    EXPECT_EQ(ScaleForDpi(380, 144), 570);
    EXPECT_EQ(ScaleForDpi(75, 120), 94); // 93.75
    EXPECT_EQ(ScaleForDpi(61, 120), 76); // 76.25
    EXPECT_EQ(ScaleForDpi(-75, 120), -94);
}

} // namespace
} // namespace fennick
