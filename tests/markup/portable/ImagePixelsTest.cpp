#include "markup/portable/ImagePixels.h"
#include "markup/portable/ImageStyle.h"

#include "tests/markup/portable/GeometryPrinters.h"

#include <gtest/gtest.h>

#include <vector>

namespace fennick {
namespace {

TEST(PixelFormulas, GrayWeighsGreenMostAndFillsAllThreeBytes)
{
    EXPECT_EQ(GrayPixel(MakePixel(0, 100, 0)), 0x3A3A3Au); // 58.7
    EXPECT_EQ(GrayPixel(MakePixel(100, 0, 0)), 0x1D1D1Du); // 29.9
    EXPECT_EQ(GrayPixel(MakePixel(0, 0, 100)), 0x0B0B0Bu); // 11.4
    EXPECT_EQ(GrayPixel(MakePixel(10, 20, 30, 0x80)), 0x121212u); // alpha dropped
}

TEST(PixelFormulas, ScaleAndLightenLeaveThePixelAloneOutsideTheirRange)
{
    const Pixel pixel = MakePixel(200, 101, 7, 0x40);
    EXPECT_EQ(ScalePixel(pixel, 1.0), pixel);
    EXPECT_EQ(ScalePixel(pixel, -0.5), pixel);
    EXPECT_EQ(ScalePixel(pixel, 0.5), MakePixel(100, 50, 3));
    EXPECT_EQ(LightenPixel(pixel, 0.0), pixel);
    EXPECT_EQ(LightenPixel(pixel, 1.5), pixel);
    EXPECT_EQ(LightenPixel(MakePixel(220, 100, 0), 0.25), MakePixel(255, 125, 0));
}

TEST(PixelFormulas, InvertAndMix)
{
    EXPECT_EQ(InvertPixel(MakePixel(0, 100, 255, 0x7F)), MakePixel(255, 155, 0));
    EXPECT_EQ(MixPixels(0.5, MakePixel(200, 0, 100), MakePixel(0, 200, 101)), MakePixel(100, 100, 100));
}

TEST(PixelFormulas, ColorRefAndPixelSwapRedAndBlue)
{
    EXPECT_EQ(PixelFromColor(0x00112233), 0x00332211u);
    EXPECT_EQ(ColorFromPixel(0xFF332211), 0x00112233u);
    EXPECT_EQ(InvertColor(0xFF00FF00), 0x00FF00FFu);
}

struct TransformCase {
    const char* name;
    std::int32_t flags;
    Pixel input;
    Pixel expected;
};

void PrintTo(const TransformCase& transform, std::ostream* out)
{
    *out << transform.name;
}

class TransformFlags : public ::testing::TestWithParam<TransformCase> {};

TEST_P(TransformFlags, GiveTheDocumentedPixel)
{
    std::vector<Pixel> pixels{GetParam().input};
    TransformPixels(pixels, GetParam().flags, false, 0, MakePixel(1, 2, 3));
    EXPECT_EQ(pixels[0], GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    ImageStyles, TransformFlags,
    ::testing::Values(
        // Y = 0.587 * 100 + 0.299 * 40 + 0.114 * 20 = 72.94 -> 72, then 0.75 * 72 = 54.
        TransformCase{"GrayThenDarken", ImageGrayscale | ImageDarken, MakePixel(40, 100, 20), 0x363636},
        // Darkened and lightened with two truncations: 101 -> 75 -> 93, not 101 * 0.9375 = 94.
        TransformCase{"DarkenThenLighten", ImageDarken | ImageLighten, MakePixel(101, 101, 101),
                      MakePixel(93, 93, 93)},
        TransformCase{"LightenClamps", ImageLighten, MakePixel(220, 8, 0), MakePixel(255, 10, 0)},
        TransformCase{"OneColorTakesTheFill", ImageOneColor | ImageGrayscale, MakePixel(9, 9, 9),
                      MakePixel(1, 2, 3)},
        TransformCase{"InvertKeepsAlpha", ImageInvert, MakePixel(0, 10, 255, 0x80), MakePixel(255, 245, 0, 0x80)}),
    [](const auto& info) { return info.param.name; });

TEST(TransformPixels, MaskFlagsGiveWhiteWhereTheMaskColourWasAndBlackElsewhere)
{
    const Pixel magenta = MakePixel(255, 0, 255);
    std::vector<Pixel> pixels{magenta, MakePixel(255, 0, 0), MakePixel(255, 0, 255, 0x20)};
    const bool sawAlpha = TransformPixels(pixels, ImageMaskFlags, true, magenta, PixelFromColor(0xFFFFFF));
    EXPECT_EQ(pixels[0], 0xFFFFFFu);
    EXPECT_EQ(pixels[1], 0x000000u);
    EXPECT_EQ(pixels[2], 0x20000000u) << "a pixel with alpha never matches the mask colour";
    EXPECT_TRUE(sawAlpha);
}

TEST(TransformPixels, WithoutTheMaskEveryPixelIsOpaqueAndNoAlphaIsReported)
{
    const Pixel magenta = MakePixel(255, 0, 255);
    std::vector<Pixel> pixels{magenta, MakePixel(3, 4, 5)};
    EXPECT_FALSE(TransformPixels(pixels, ImageMaskFlags, false, magenta, PixelFromColor(0xFFFFFF)));
    EXPECT_EQ(pixels, (std::vector<Pixel>{0, 0}));
}

TEST(TransformPixels, ShadowSilhouetteTakesTheShadowColour)
{
    const ColorRef shadow = 0x00406080;
    std::vector<Pixel> pixels{MakePixel(0, 0, 0), MakePixel(12, 34, 56)};
    TransformPixels(pixels, ImageMaskFlags, true, MakePixel(0, 0, 0), PixelFromColor(InvertColor(shadow)));
    EXPECT_EQ(pixels[0], 0xFFFFFFu);
    EXPECT_EQ(pixels[1], PixelFromColor(shadow));
}

TEST(BlendPixels, MixesBySourceAlpha)
{
    const std::vector<Pixel> source{MakePixel(255, 0, 0, 0xFF), MakePixel(255, 0, 0, 0), MakePixel(255, 0, 0, 0x80)};
    std::vector<Pixel> destination(3, MakePixel(0, 0, 255));
    BlendPixels(source, destination);
    EXPECT_EQ(destination[0], MakePixel(255, 0, 0));
    EXPECT_EQ(destination[1], MakePixel(0, 0, 255));
    EXPECT_EQ(destination[2], MakePixel(128, 0, 127));
}

TEST(Shadows, HardFactorsFollowTheBlueByteAndShadeDarkensBelow)
{
    const std::vector<Pixel> silhouette{MakePixel(0, 0, 0), MakePixel(255, 255, 255), MakePixel(0, 0, 102)};
    const std::vector<double> factors = HardShadowFactors(silhouette);
    std::vector<Pixel> destination(3, MakePixel(200, 100, 50, 0x11));
    ShadePixels(destination, factors);
    EXPECT_EQ(destination[0], 0u);
    EXPECT_EQ(destination[1], MakePixel(200, 100, 50, 0x11)) << "white leaves the background untouched";
    EXPECT_EQ(destination[2], MakePixel(80, 40, 20));
}

TEST(Shadows, SoftLayoutUsesOddKernelsAndKeepsTheBlurInside)
{
    const SoftShadowLayout evenBlur = LayOutSoftShadow(20, 30, 4, 4);
    EXPECT_EQ(evenBlur.kernelWidth, 5);
    EXPECT_EQ(evenBlur.kernelHeight, 5);
    EXPECT_EQ(evenBlur.silhouette, (PixelRect{2, 2, 17, 27}));

    const SoftShadowLayout oddBlur = LayOutSoftShadow(20, 30, 3, 7);
    EXPECT_EQ(oddBlur.silhouette, (PixelRect{1, 3, 18, 26}));

    const SoftShadowLayout tooLarge = LayOutSoftShadow(4, 4, 9, -3);
    EXPECT_EQ(tooLarge.kernelHeight, 1);
    EXPECT_TRUE(tooLarge.silhouette.IsEmpty());
}

} // namespace
} // namespace fennick
