#include <gtest/gtest.h>

#include "ui/portable/DisplayScaling.h"

namespace fennick {
namespace {

struct HeightCase {
    int dotsPerInch;
    double points;
    double heightPercent;
    long height;
};

TEST(ScaledFontHeight, IsTheNegativeTruncatedPixelHeight)
{
    const HeightCase cases[] = {
        {96, 9.0, 100.0, -12},  {120, 9.0, 100.0, -15}, {144, 9.0, 100.0, -18},
        {192, 9.0, 100.0, -24}, {96, 10.0, 100.0, -13}, {96, 9.0, 150.0, -18},
        {96, 9.0, 110.0, -13},  {72, 8.0, 100.0, -8},   {96, 0.0, 100.0, 0},
        {96, 9.0, 0.0, 0},
    };
    for (const HeightCase& c : cases) {
        EXPECT_EQ(ScaledFontHeight(c.dotsPerInch, c.points, c.heightPercent), c.height)
            << c.points << " pt at " << c.dotsPerInch << " dpi, " << c.heightPercent << " %";
    }
}

TEST(ScaledFontWidth, IsZeroAtExactlyAHundredPercentAndOtherwiseAShareOfHalfTheHeight)
{
    EXPECT_EQ(ScaledFontWidth(-12, 100.0), 0);
    EXPECT_EQ(ScaledFontWidth(-12, 99.999), 6);
    EXPECT_EQ(ScaledFontWidth(-12, 50.0), 3);
    EXPECT_EQ(ScaledFontWidth(-15, 100.1), 8);  // 7.5075 rounds up
    EXPECT_EQ(ScaledFontWidth(-13, 100.01), 7); // 6.50065 rounds up
    EXPECT_EQ(ScaledFontWidth(-13, 99.9), 6);   // 6.4935 rounds down
    EXPECT_EQ(ScaledFontWidth(18, 200.0), 18);  // the sign of the height does not matter
    EXPECT_EQ(ScaledFontWidth(-12, 0.0), 0);
}

TEST(ScaleForDpi, ScalesFromNinetySixDotsPerInchRounded)
{
    EXPECT_EQ(ScaleForDpi(380, 96), 380);
    EXPECT_EQ(ScaleForDpi(380, 120), 475);
    EXPECT_EQ(ScaleForDpi(380, 144), 570);
    EXPECT_EQ(ScaleForDpi(75, 120), 94); // 93.75
    EXPECT_EQ(ScaleForDpi(61, 120), 76); // 76.25
    EXPECT_EQ(ScaleForDpi(-75, 120), -94);
    EXPECT_EQ(ScaleForDpi(0, 144), 0);
}

} // namespace
} // namespace fennick
