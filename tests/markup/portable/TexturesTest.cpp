#include "markup/portable/Textures.h"

#include "markup/portable/BackgroundEffect.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

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

std::vector<std::uint8_t> Row(const PaletteBitmap& bitmap, int y)
{
    std::vector<std::uint8_t> row;
    for (int x = 0; x < bitmap.Width(); ++x) {
        row.push_back(bitmap.PixelAt(x, y));
    }
    return row;
}

bool IsFlat(const std::vector<std::uint8_t>& values)
{
    return std::all_of(values.begin(), values.end(), [&](std::uint8_t v) { return v == values.front(); });
}

TEST(TextureRandom, StaysWithinRangeAndRepeatsForASeed)
{
    TextureRandom random(7);
    int lowest = TextureRandom::Max;
    int highest = 0;
    for (int i = 0; i < 1000000; ++i) {
        const int value = random.Next();
        lowest = std::min(lowest, value);
        highest = std::max(highest, value);
    }
    EXPECT_EQ(lowest, 0);
    EXPECT_EQ(highest, TextureRandom::Max);
    TextureRandom first(42);
    TextureRandom second(41);
    second.Seed(42);
    for (int i = 0; i < 100; ++i) {
        ASSERT_EQ(first.Next(), second.Next());
    }
}

TEST(TexturePalette, RunsFromEndOverMiddleToFirst)
{
    PaletteBitmap bitmap;
    ASSERT_TRUE(bitmap.Create(1, 1, 8));
    BuildTexturePalette(bitmap, Red, Green, Blue, 0);
    EXPECT_EQ(bitmap.PaletteColor(0), Blue);
    EXPECT_EQ(bitmap.PaletteColor(64), MakeColorRef(0, 127, 127));
    EXPECT_EQ(bitmap.PaletteColor(128), MakeColorRef(1, 253, 0)) << "the upper half overwrites 128";
    EXPECT_EQ(bitmap.PaletteColor(255), Red);
    BuildTexturePalette(bitmap, Red, Green, Blue, 0x164);
    EXPECT_EQ(bitmap.PaletteColor(0), Red) << "only the low byte of the blend counts: 100 %";
}

TEST(Textures, NoiseWithoutAmountIsFlatMiddle)
{
    for (const int amount : {0, 0x100}) {
        const PaletteBitmap bitmap = Render(17, 9, EffectNoise, amount);
        for (int y = 0; y < 9; ++y) {
            for (const std::uint8_t value : Row(bitmap, y)) {
                ASSERT_TRUE(value == 128 || value == 129) << int{value};
            }
        }
    }
}

TEST(Textures, ShadesPutTheFirstColourAtTheTopOrLeft)
{
    const PaletteBitmap vshade = Render(10, 4, EffectVShade, 0);
    const PaletteBitmap hshade = Render(4, 10, EffectHShade, 0);
    const PaletteBitmap diagshade = Render(10, 8, EffectDiagShade, 0);
    for (int y = 0; y < 4; ++y) {
        EXPECT_EQ(vshade.PixelAt(0, y), 255);
        EXPECT_EQ(vshade.PixelAt(9, y), 255 / 10);
    }
    EXPECT_TRUE(IsFlat(Row(hshade, 0)));
    EXPECT_EQ(hshade.PixelAt(2, 0), 9 * 255 / 10);
    EXPECT_EQ(hshade.PixelAt(2, 9), 0);
    EXPECT_EQ(diagshade.PixelAt(0, 0), 7 * 127 / 8 + 127);
    EXPECT_EQ(diagshade.PixelAt(9, 7), 127 / 10);
}

TEST(Textures, BumpsRiseTowardsTheFirstColour)
{
    const PaletteBitmap hbump = Render(6, 32, EffectHBump, 0);
    const PaletteBitmap vbump = Render(32, 6, EffectVBump, 0);
    for (int y = 0; y < 32; ++y) {
        EXPECT_TRUE(IsFlat(Row(hbump, y)));
        if (y > 0) {
            EXPECT_GE(hbump.PixelAt(0, y - 1), hbump.PixelAt(0, y)) << "row " << y;
        }
    }
    EXPECT_EQ(hbump.PixelAt(0, 0), 233);
    EXPECT_EQ(hbump.PixelAt(0, 16), 128) << "flat middle band";
    EXPECT_EQ(hbump.PixelAt(0, 31), 3);
    EXPECT_EQ(vbump.PixelAt(0, 3), 253) << "the left column does not wrap round to the end colour";
    EXPECT_EQ(vbump.PixelAt(31, 3), 23); // t = 255 / 32 - 127 = -120, T = -105
}

TEST(Textures, HardBumpBevelsNarrowFromMidHeightAndNeedRoom)
{
    // 24 x 20: bevels of 4 pixels at mid-height (row 9 from the top).
    const PaletteBitmap bevelled = Render(24, 20, EffectHardBump, 0);
    const std::vector<std::uint8_t> middle = Row(bevelled, 9);
    EXPECT_EQ(std::vector<std::uint8_t>(middle.begin(), middle.begin() + 5),
              (std::vector<std::uint8_t>{255, 223, 191, 159, 128}));
    EXPECT_EQ(std::vector<std::uint8_t>(middle.end() - 4, middle.end()),
              (std::vector<std::uint8_t>{128, 96, 64, 32}));
    const std::vector<std::uint8_t> top = Row(bevelled, 0);
    EXPECT_EQ(top[0], 255);
    EXPECT_NE(top[1], 223) << "the bevel narrows towards the top edge";

    for (const auto& [width, height] : {std::pair{5, 12}, {24, 1}}) {
        const PaletteBitmap plain = Render(width, height, EffectHardBump, 0);
        for (int y = 0; y < height; ++y) {
            EXPECT_TRUE(IsFlat(Row(plain, y))) << width << "x" << height << " row " << y;
        }
    }
}

TEST(Textures, MetalIsReproducibleFromItsSeed)
{
    const PaletteBitmap first = Render(40, 30, EffectMetal, 5, 99);
    const PaletteBitmap again = Render(40, 30, EffectMetal, 5, 99);
    const PaletteBitmap other = Render(40, 30, EffectMetal, 5, 100);
    const auto pixels = [](const PaletteBitmap& bitmap) {
        return std::vector<std::uint8_t>(bitmap.Bits(), bitmap.Bits() + bitmap.Header().sizeImage);
    };
    EXPECT_EQ(pixels(first), pixels(again));
    EXPECT_NE(pixels(first), pixels(other));
}

TEST(Textures, EveryEffectSurvivesDegenerateSizes)
{
    for (int effect = EffectNoise; effect <= EffectMetal; ++effect) {
        for (const auto& [width, height] : {std::pair{1, 1}, {2, 1}, {1, 40}, {33000, 2}, {3, 33000}}) {
            PaletteBitmap bitmap;
            TextureRandom random;
            EXPECT_TRUE(RenderTexture(bitmap, random, width, height, effect, 255, 300, Red, Green, Blue))
                << effect << ": " << width << "x" << height;
        }
        for (const auto& [width, height] : {std::pair{0, 5}, {5, 0}, {-3, 4}}) {
            PaletteBitmap bitmap;
            TextureRandom random;
            EXPECT_FALSE(RenderTexture(bitmap, random, width, height, effect, 5, 0, Red, Green, Blue));
            EXPECT_TRUE(bitmap.IsEmpty());
        }
    }
}

} // namespace
} // namespace fennick
