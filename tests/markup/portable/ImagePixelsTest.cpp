#include "markup/portable/ImagePixels.h"
#include "markup/portable/ImageStyle.h"

#include <gtest/gtest.h>

#include <vector>

namespace fennick {
namespace {

TEST(TransformPixels, AppliesTheStyleFlagsInOrder)
{
    struct Case {
        std::int32_t flags;
        Pixel input;
        Pixel expected;
    };
    for (const Case& test : {
             Case{ImageGrayscale | ImageDarken, MakePixel(40, 100, 20), 0x363636}, // Y 72, then 54
             // Two truncations: 101 -> 75 -> 93, where 101 * 0.9375 would give 94.
             Case{ImageDarken | ImageLighten, MakePixel(101, 101, 101), MakePixel(93, 93, 93)},
             Case{ImageLighten, MakePixel(220, 8, 0), MakePixel(255, 10, 0)},
             Case{ImageOneColor | ImageGrayscale, MakePixel(9, 9, 9), MakePixel(1, 2, 3)},
             Case{ImageInvert, MakePixel(0, 10, 255, 0x80), MakePixel(255, 245, 0, 0x80)},
         }) {
        std::vector<Pixel> pixels{test.input};
        TransformPixels(pixels, test.flags, false, 0, MakePixel(1, 2, 3));
        EXPECT_EQ(pixels[0], test.expected) << "flags " << test.flags;
    }
}

TEST(TransformPixels, MasksAreWhereTheMaskColourWasAndPixelsWithAlphaNeverMatch)
{
    const Pixel magenta = MakePixel(255, 0, 255);
    std::vector<Pixel> pixels{magenta, MakePixel(255, 0, 0), MakePixel(255, 0, 255, 0x20)};
    EXPECT_TRUE(TransformPixels(pixels, ImageMaskFlags, true, magenta, 0xFFFFFF));
    EXPECT_EQ(pixels, (std::vector<Pixel>{0xFFFFFF, 0, 0x20000000}));

    std::vector<Pixel> unmasked{magenta};
    EXPECT_FALSE(TransformPixels(unmasked, ImageMaskFlags, false, magenta, 0xFFFFFF));
    EXPECT_EQ(unmasked[0], 0u) << "without the mask everything is opaque";

    const ColorRef shadow = 0x00406080;
    std::vector<Pixel> silhouette{0, MakePixel(12, 34, 56)};
    TransformPixels(silhouette, ImageMaskFlags, true, 0, PixelFromColor(InvertColor(shadow)));
    EXPECT_EQ(silhouette, (std::vector<Pixel>{0xFFFFFF, PixelFromColor(shadow)}));
}

TEST(Shadows, SoftLayoutRoundsKernelsUpToOddAndVanishesWhenTheyFillTheArea)
{
    EXPECT_EQ(LayOutSoftShadow(20, 30, 3, 7).silhouette, (PixelRect{1, 3, 18, 26}));
    const SoftShadowLayout tooLarge = LayOutSoftShadow(4, 4, 9, -3);
    EXPECT_EQ(tooLarge.kernelHeight, 1);
    EXPECT_TRUE(tooLarge.silhouette.IsEmpty());
}

} // namespace
} // namespace fennick
