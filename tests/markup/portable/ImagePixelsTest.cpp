#include "markup/portable/BoxBlur.h"
#include "markup/portable/ImagePixels.h"
#include "markup/portable/ImagePlacement.h"
#include "markup/portable/ImageStyle.h"

#include <gtest/gtest.h>

#include <climits>
#include <random>
#include <vector>

namespace fennick {
namespace {

TEST(TransformPixels, AppliesTheStyleFlagsInOrder)
{
    const std::tuple<std::int32_t, Pixel, Pixel> cases[] = {
        {ImageGrayscale | ImageDarken, MakePixel(40, 100, 20), 0x363636}, // Y 72, then 54
        // Two truncations: 101 -> 75 -> 93, where 101 * 0.9375 would give 94.
        {ImageDarken | ImageLighten, MakePixel(101, 101, 101), MakePixel(93, 93, 93)},
        {ImageLighten, MakePixel(220, 8, 0), MakePixel(255, 10, 0)},
        {ImageOneColor | ImageGrayscale, MakePixel(9, 9, 9), MakePixel(1, 2, 3)},
        {ImageInvert, MakePixel(0, 10, 255, 0x80), MakePixel(255, 245, 0, 0x80)}};
    for (const auto& [flags, input, expected] : cases) {
        std::vector<Pixel> pixels{input};
        TransformPixels(pixels, flags, false, 0, MakePixel(1, 2, 3));
        EXPECT_EQ(pixels[0], expected) << "flags " << flags;
    }
}

TEST(TransformPixels, MasksAreWhereTheMaskColourWasAndPixelsWithAlphaNeverMatch)
{
    const Pixel magenta = MakePixel(255, 0, 255);
    std::vector<Pixel> pixels{magenta, MakePixel(255, 0, 0), MakePixel(255, 0, 255, 0x20)};
    EXPECT_TRUE(TransformPixels(pixels, kImageMaskFlags, true, magenta, 0xFFFFFF));
    EXPECT_EQ(pixels, (std::vector<Pixel>{0xFFFFFF, 0, 0x20000000}));

    std::vector<Pixel> unmasked{magenta};
    EXPECT_FALSE(TransformPixels(unmasked, kImageMaskFlags, false, magenta, 0xFFFFFF));
    EXPECT_EQ(unmasked[0], 0u) << "without the mask everything is opaque";

    const Color shadow = 0x00406080;
    std::vector<Pixel> silhouette{0, MakePixel(12, 34, 56)};
    TransformPixels(silhouette, kImageMaskFlags, true, 0, PixelFromColor(InvertColor(shadow)));
    EXPECT_EQ(silhouette, (std::vector<Pixel>{0xFFFFFF, PixelFromColor(shadow)}));
}

TEST(Shadows, SoftLayoutRoundsKernelsUpToOddAndVanishesWhenTheyFillTheArea)
{
    EXPECT_EQ(LayOutSoftShadow(20, 30, 3, 7).silhouette, (PixelRect{1, 3, 18, 26}));
    const SoftShadowLayout tooLarge = LayOutSoftShadow(4, 4, 9, -3);
    EXPECT_EQ(tooLarge.kernelHeight, 1);
    EXPECT_TRUE(tooLarge.silhouette.IsEmpty());
}

TEST(BoxBlur, AgreesWithDirectWindowSumsForAnyKernel)
{
    std::mt19937 generator(5);
    for (const auto& [width, height, kx, ky] :
         {std::tuple{7, 5, 5, 5}, {9, 4, 3, 1}, {6, 8, 1, 7}, {5, 5, 4, 2}, {3, 2, 9, 11}}) {
        std::vector<Pixel> pixels(width * height);
        for (Pixel& pixel : pixels) {
            pixel = generator() & 0xFFFFFF;
        }
        const std::vector<double> factors = BoxBlur(width, height, pixels, kx, ky);
        ASSERT_EQ(factors.size(), pixels.size());
        for (int i = 0; i < width * height; ++i) {
            double sum = 0; // white outside the image
            for (int y = i / width - ky / 2; y < i / width - ky / 2 + ky; ++y) {
                for (int x = i % width - kx / 2; x < i % width - kx / 2 + kx; ++x) {
                    sum += x >= 0 && x < width && y >= 0 && y < height ? PixelBlue(pixels[y * width + x]) : 255;
                }
            }
            ASSERT_NEAR(factors[i], sum / (kx * ky * 255.0), 1e-12)
                << width << "x" << height << " kernel " << kx << "x" << ky << " pixel " << i;
        }
    }
}

TEST(BoxBlur, WhiteStaysExactlyOneAndEmptyInputGivesNothing)
{
    const std::vector<Pixel> white(12, 0xFFFFFF);
    for (const double factor : BoxBlur(4, 3, white, 5, 5)) {
        EXPECT_EQ(factor, 1.0) << "a factor a hair under 1 would darken the background";
    }
    EXPECT_TRUE(BoxBlur(0, 4, white, 3, 3).empty());
    EXPECT_TRUE(BoxBlur(4, 4, white, 3, 3).empty()) << "buffer too short";
    EXPECT_EQ(BoxBlur(2, 2, white, 0, -4).size(), 4u) << "kernels below 1 count as 1";
}

std::vector<PixelRect> Tiles(int x, int y, int width, int height, int tileWidth, int tileHeight)
{
    std::vector<PixelRect> tiles;
    ForEachTile(x, y, width, height, tileWidth, tileHeight, [&](const PixelRect& tile) { tiles.push_back(tile); });
    return tiles;
}

TEST(Tiling, CutsTheLastTilesAndPlacesNothingForTilesBelowOnePixel)
{
    EXPECT_EQ(Tiles(5, 7, 10, 5, 4, 3).back(), (PixelRect{13, 10, 15, 12}));
    EXPECT_TRUE(Tiles(0, 0, 10, 10, 4, -2).empty());
    EXPECT_EQ(Tiles(INT_MAX - 3, 0, 100, 1, 2, 1).back(), (PixelRect{INT_MAX - 1, 0, INT_MAX, 1})) << "no overflow";
}

TEST(StripCells, AreReadRowByRowAndOnlyWhole)
{
    EXPECT_EQ(StripCellOrigin(64, 16, 16, 16, 3), (PixelPoint{48, 0}));
    EXPECT_EQ(StripCellOrigin(32, 48, 16, 16, 3), (PixelPoint{16, 16}));
    EXPECT_EQ(StripCellOrigin(35, 16, 16, 16, 1), (PixelPoint{16, 0}));
    for (const auto& [cellWidth, cellHeight, frame] :
         {std::tuple{16, 16, 4}, {16, 16, -1}, {0, 16, 0}, {16, 0, 0}, {-16, -16, 0}, {80, 16, 0}}) {
        EXPECT_EQ(StripCellOrigin(64, 16, cellWidth, cellHeight, frame), std::nullopt)
            << cellWidth << "x" << cellHeight << " frame " << frame;
    }
}

} // namespace
} // namespace fennick
