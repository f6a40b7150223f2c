#include "markup/portable/BackgroundEffect.h"
#include "markup/portable/Gradients.h"
#include "markup/portable/PaletteBitmap.h"
#include "markup/portable/Textures.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace fennick {
namespace {

constexpr Color Red = Rgb(255, 0, 0);
constexpr Color Green = Rgb(0, 255, 0);
constexpr Color Blue = Rgb(0, 0, 255);

std::vector<int> Bytes(const std::uint8_t* from, int count)
{
    return std::vector<int>(from, from + count);
}

TEST(PaletteBitmap, EmptyOrHugeSizesHoldNothingAndIgnoreWrites)
{
    PaletteBitmap bitmap;
    ASSERT_TRUE(bitmap.Create(4, 4, 8));
    EXPECT_FALSE(bitmap.Create(0, 4, 8));
    EXPECT_TRUE(bitmap.IsEmpty()) << "a failed Create releases the previous bitmap";
    EXPECT_FALSE(bitmap.Create(70000, 70000, 8));
    bitmap.Fill(7);
    bitmap.PutPixel(0, 0, 1);
    bitmap.SetPaletteEntry(0, 1, 2, 3);
    EXPECT_EQ(bitmap.Bits(), nullptr);
}

TEST(PaletteBitmap, PutPixelCountsFromTheTopAndStaysInside)
{
    PaletteBitmap bitmap;
    ASSERT_TRUE(bitmap.Create(3, 2, 8));
    bitmap.PutPixel(1, 0, 9);
    for (const auto& [x, y] : {std::pair{-1, 0}, {3, 0}, {0, -1}, {0, 2}}) {
        bitmap.PutPixel(x, y, 77);
    }
    EXPECT_EQ(Bytes(bitmap.Bits(), 8), (std::vector<int>{0, 0, 0, 0, 0, 9, 0, 0}));
    PaletteBitmap oneBit; // x would address byte 32 of a 4-byte row
    ASSERT_TRUE(oneBit.Create(33, 1, 1));
    oneBit.PutPixel(32, 0, 0xFF);
    EXPECT_EQ(Bytes(oneBit.Bits(), 8), std::vector<int>(8, 0));
}

TEST(PaletteBitmap, TableWritesStayInsideAndBlendsClampTheirShare)
{
    PaletteBitmap bitmap;
    ASSERT_TRUE(bitmap.Create(1, 1, 1));
    bitmap.SetPaletteEntry(0, 0, 101, 200);
    bitmap.SetPaletteEntry(2, 40, 50, 60); // beyond the two entries
    EXPECT_EQ(Bytes(bitmap.Block() + 40, 9), (std::vector<int>{200, 101, 0, 0, 0, 0, 0, 0, 0}));
    bitmap.BlendPalette(Rgb(100, 0, 50), 50);
    EXPECT_EQ(bitmap.PaletteColor(0), Rgb(50, 50, 125));
    bitmap.BlendPalette(Rgb(1, 2, 3), 150);
    EXPECT_EQ(bitmap.PaletteColor(1), Rgb(1, 2, 3)) << "150 % acts as 100 %";
    bitmap.BlendPalette(Rgb(200, 200, 200), -20);
    EXPECT_EQ(bitmap.PaletteColor(1), Rgb(1, 2, 3));
}

PaletteBitmap Render(int width, int height, int effect, int noiseAmount, std::uint32_t seed = 1)
{
    PaletteBitmap bitmap;
    TextureRandom random(seed);
    EXPECT_TRUE(RenderTexture(bitmap, random, width, height, effect, noiseAmount, 0, Red, Green, Blue));
    return bitmap;
}

TEST(Textures, FlatWithoutNoiseOrRoomAndNoWrapToTheEndColour)
{
    for (const int amount : {0, 0x100}) { // only the low byte counts
        const PaletteBitmap noise = Render(17, 9, EffectNoise, amount);
        for (int i = 0; i < 17 * 9; ++i) {
            ASSERT_TRUE(noise.PixelAt(i % 17, i / 17) / 2 == 64) << i; // 129 only for a random 32767
        }
    }
    EXPECT_EQ(Render(32, 6, EffectVBump, 0).PixelAt(0, 3), 253) << "not 256, which wraps to the end colour";
    for (const auto& [width, height] : {std::pair{5, 12}, {24, 1}}) { // too small for hard bevels
        const PaletteBitmap plain = Render(width, height, EffectHardBump, 0);
        for (int i = 0; i < width * height; ++i) {
            EXPECT_EQ(plain.PixelAt(i % width, i / width), plain.PixelAt(0, i / width)) << width << "x" << height;
        }
    }
}

TEST(Textures, MetalIsReproducibleFromItsSeedAndEveryEffectSurvivesDegenerateSizes)
{
    const auto pixels = [](const PaletteBitmap& bitmap) { return Bytes(bitmap.Bits(), bitmap.Header().sizeImage); };
    EXPECT_EQ(pixels(Render(40, 30, EffectMetal, 5, 99)), pixels(Render(40, 30, EffectMetal, 5, 99)));
    EXPECT_NE(pixels(Render(40, 30, EffectMetal, 5, 99)), pixels(Render(40, 30, EffectMetal, 5, 100)));
    for (int effect = EffectNoise; effect <= EffectMetal; ++effect) {
        for (const auto& [width, height] :
             {std::pair{1, 1}, {2, 1}, {1, 40}, {33000, 2}, {3, 33000}, {0, 5}, {5, -1}}) {
            PaletteBitmap bitmap;
            TextureRandom random;
            EXPECT_EQ(RenderTexture(bitmap, random, width, height, effect, 255, 300, Red, Green, Blue),
                      width > 0 && height > 0)
                << effect << ": " << width << "x" << height;
        }
    }
}

// Without noise the shades are exact ramps: the horizontal one rises row by row from the bottom,
// the vertical one falls column by column from the left, the diagonal one is half of each.
TEST(Textures, ShadesRampFromTheirStartWithoutNoise)
{
    const PaletteBitmap horizontal = Render(5, 4, EffectHShade, 0);
    const PaletteBitmap vertical = Render(5, 4, EffectVShade, 0);
    const PaletteBitmap diagonal = Render(5, 4, EffectDiagShade, 0);
    const int byRow[4] = {191, 127, 63, 0};
    const int byColumn[5] = {255, 204, 153, 102, 51};
    const int diagonalRows[4][5] = {
        {222, 196, 171, 145, 120}, {190, 164, 139, 113, 88}, {158, 132, 107, 81, 56}, {127, 101, 76, 50, 25}};
    for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < 5; ++x) {
            EXPECT_EQ(horizontal.PixelAt(x, y), byRow[y]) << x << "," << y;
            EXPECT_EQ(vertical.PixelAt(x, y), byColumn[x]) << x << "," << y;
            EXPECT_EQ(diagonal.PixelAt(x, y), diagonalRows[y][x]) << x << "," << y;
        }
    }
}

// A streak runs from its start down to the left; its reflection through (width / 2, start row)
// runs up to the right, as far as the area lets each run.
TEST(Textures, MetalStreaksAndTheirReflectionsRunToTheAreasEdges)
{
    using Pixels = std::vector<std::pair<int, int>>;
    const struct {
        int x, y, length;
        Pixels painted;
    } cases[] = {
        {8, 5, 6, {{2, 5}, {3, 4}, {4, 3}, {4, 9}, {5, 2}, {5, 8}, {6, 1}, {6, 7}, {7, 6}, {8, 5}}},
        {1, 5, 6, {{1, 5}, {9, 5}}},
        {4, 2, 2, {{4, 2}, {3, 3}, {6, 2}, {7, 1}}},
        {4, 2, 0, {}},
    };
    for (const auto& c : cases) {
        PaletteBitmap bitmap;
        ASSERT_TRUE(bitmap.Create(10, 10, 8));
        bitmap.Fill(0);
        PaintMetalStreak(bitmap, c.x, c.y, c.length, 9);
        Pixels painted;
        for (int x = 0; x < 10; ++x) {
            for (int y = 0; y < 10; ++y) {
                if (bitmap.PixelAt(x, y) == 9) {
                    painted.emplace_back(x, y);
                }
            }
        }
        Pixels expected = c.painted;
        std::sort(expected.begin(), expected.end());
        EXPECT_EQ(painted, expected) << "streak from " << c.x << "," << c.y << ", length " << c.length;
    }
}

TEST(GradientBands, NarrowExtentsShareBandsAndStillCoverEveryPixelOnce)
{
    for (const int extent : {1, 63, 64, 65, 2000000000}) {
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
    EXPECT_EQ(GradientBands(0, 128, Rgb(255, 0, 64), Rgb(0, 255, 64)).front().color, Rgb(255, 0, 64));
    const GradientBand mixed = GradientBands(0, 128, Rgb(255, 0, 64), Rgb(0, 255, 64))[32];
    EXPECT_EQ(mixed.color, Rgb(127, 127, 64)) << "channels run independently";
    EXPECT_EQ(GradientFills(Effect3VGradient, {10, 20, 21, 27}, 1, 2, 3),
              (std::vector<GradientFill>{{{10, 20, 21, 23}, 1, 2, false}, {{10, 23, 21, 27}, 2, 3, false}}))
        << "split at the middle colour, the top half smaller";
}

} // namespace
} // namespace fennick
