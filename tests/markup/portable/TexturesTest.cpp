#include "markup/portable/Textures.h"

#include "markup/portable/BackgroundEffect.h"

#include <gtest/gtest.h>

namespace fennick {
namespace {

constexpr ColorRef Red = MakeColorRef(255, 0, 0);
constexpr ColorRef Green = MakeColorRef(0, 255, 0);
constexpr ColorRef Blue = MakeColorRef(0, 0, 255);

PaletteBitmap Render(int width, int height, int effect, int noiseAmount, std::uint32_t seed = 1)
{
    PaletteBitmap bitmap;
    TextureRandom random(seed);
    EXPECT_TRUE(RenderTexture(bitmap, random, width, height, effect, noiseAmount, 0, Red, Green, Blue));
    return bitmap;
}

std::vector<int> Row(const PaletteBitmap& bitmap, int y)
{
    std::vector<int> row;
    for (int x = 0; x < bitmap.Width(); ++x) {
        row.push_back(bitmap.PixelAt(x, y));
    }
    return row;
}

TEST(Textures, PaletteRunsFromEndOverMiddleToFirst)
{
    PaletteBitmap bitmap;
    ASSERT_TRUE(bitmap.Create(1, 1, 8));
    BuildTexturePalette(bitmap, Red, Green, Blue, 0);
    EXPECT_EQ(bitmap.PaletteColor(0), Blue);
    EXPECT_EQ(bitmap.PaletteColor(128), MakeColorRef(1, 253, 0)) << "the upper half overwrites 128";
    EXPECT_EQ(bitmap.PaletteColor(255), Red);
    BuildTexturePalette(bitmap, Red, Green, Blue, 0x164);
    EXPECT_EQ(bitmap.PaletteColor(0), Red) << "only the low byte of the blend counts: 100 %";
}

TEST(Textures, WithoutNoiseNoiseIsFlatAndShadesAndBumpsRunFromTheFirstColour)
{
    for (const int amount : {0, 0x100}) { // only the low byte counts
        const PaletteBitmap noise = Render(17, 9, EffectNoise, amount);
        for (int i = 0; i < 17 * 9; ++i) {
            ASSERT_TRUE(noise.PixelAt(i % 17, i / 17) / 2 == 64) << i; // 129 only for a random 32767
        }
    }
    const std::tuple<int, int, int, int, int, int> pixels[] = {// effect, size, x, y, palette index
        {EffectVShade, 10, 4, 0, 3, 255}, {EffectVShade, 10, 4, 9, 3, 255 / 10}, {EffectHShade, 4, 10, 2, 9, 0},
        {EffectDiagShade, 10, 8, 0, 0, 7 * 127 / 8 + 127}, {EffectDiagShade, 10, 8, 9, 7, 127 / 10},
        {EffectHBump, 6, 32, 3, 16, 128}, {EffectHBump, 6, 32, 3, 31, 3},
        {EffectVBump, 32, 6, 0, 3, 253}}; // not 256, which would wrap to the end colour
    for (const auto& [effect, width, height, x, y, index] : pixels) {
        const PaletteBitmap bitmap = Render(width, height, effect, 0);
        EXPECT_EQ(bitmap.PixelAt(x, y), index) << effect << " at " << x << "," << y;
        const bool variesAcross = effect == EffectVShade || effect == EffectVBump;
        if (effect != EffectDiagShade) { // the others are flat along one axis
            EXPECT_EQ(bitmap.PixelAt(x, y), variesAcross ? bitmap.PixelAt(x, 0) : bitmap.PixelAt(0, y)) << effect;
        }
    }
}

TEST(Textures, HardBumpBevelsNarrowFromMidHeightAndNeedRoom)
{
    const std::vector<int> middle = Row(Render(24, 20, EffectHardBump, 0), 9); // bevels 4 wide
    EXPECT_EQ(std::vector<int>(middle.begin(), middle.begin() + 5), (std::vector<int>{255, 223, 191, 159, 128}));
    EXPECT_EQ(std::vector<int>(middle.end() - 4, middle.end()), (std::vector<int>{128, 96, 64, 32}));
    std::vector<int> top(24, 220);
    top[0] = 255; // the left bevel narrows to one pixel, the right one to none
    EXPECT_EQ(Row(Render(24, 20, EffectHardBump, 0), 0), top);

    for (const auto& [width, height] : {std::pair{5, 12}, {24, 1}}) {
        const PaletteBitmap plain = Render(width, height, EffectHardBump, 0);
        for (int y = 0; y < height; ++y) {
            EXPECT_EQ(Row(plain, y), std::vector<int>(width, plain.PixelAt(0, y))) << width << "x" << height;
        }
    }
}

TEST(Textures, MetalIsReproducibleFromItsSeed)
{
    const auto pixels = [](const PaletteBitmap& bitmap) {
        return std::vector<int>(bitmap.Bits(), bitmap.Bits() + bitmap.Header().sizeImage);
    };
    EXPECT_EQ(pixels(Render(40, 30, EffectMetal, 5, 99)), pixels(Render(40, 30, EffectMetal, 5, 99)));
    EXPECT_NE(pixels(Render(40, 30, EffectMetal, 5, 99)), pixels(Render(40, 30, EffectMetal, 5, 100)));
}

TEST(Textures, EveryEffectSurvivesDegenerateSizes)
{
    for (int effect = EffectNoise; effect <= EffectMetal; ++effect) {
        for (const auto& [width, height] : {std::pair{1, 1}, {2, 1}, {1, 40}, {33000, 2}, {3, 33000}, {0, 5}, {5, -1}}) {
            PaletteBitmap bitmap;
            TextureRandom random;
            EXPECT_EQ(RenderTexture(bitmap, random, width, height, effect, 255, 300, Red, Green, Blue),
                      width > 0 && height > 0)
                << effect << ": " << width << "x" << height;
        }
    }
}

} // namespace
} // namespace fennick
