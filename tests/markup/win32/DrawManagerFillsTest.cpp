#include "markup/portable/BackgroundEffect.h"
#include "markup/win32/BackgroundImage.h"
#include "markup/win32/DrawManager.h"
#include "tests/markup/win32/Canvas.h"

#include <gtest/gtest.h>

namespace fennick {
namespace {

constexpr COLORREF Paper = RGB(0, 128, 0);
constexpr COLORREF Black = RGB(0, 0, 0);
constexpr COLORREF White = RGB(255, 255, 255);
constexpr COLORREF Grey(int level) { return RGB(level, level, level); }

class Fills : public ::testing::Test {
protected:
    Canvas canvas{80, 80, Paper};
    DrawManager manager;
};

TEST_F(Fills, GradientBandsAndSolidFillsLandOnTheirPixels)
{
    manager.FillGradient(canvas.DC(), {4, 2, 68, 10}, Black, White, true);
    for (int k = 0; k < 64; ++k) {
        ASSERT_EQ(canvas.At(4 + k, 9), Grey(k * 255 / 64)) << k;
    }
    manager.FillGradient(canvas.DC(), {70, 12, 75, 76}, White, Black, false);
    EXPECT_EQ(canvas.At(72, 12), White);
    EXPECT_EQ(canvas.At(72, 75), Grey(3));
    manager.FillBackground(canvas.DC(), EffectSolid, {5, 20, 15, 30}, RGB(9, 8, 7), White, White, 5, 0);
    EXPECT_EQ(canvas.At(14, 29), RGB(9, 8, 7));
    for (const auto& [x, y] : {std::pair{3, 5}, {68, 5}, {4, 10}, {72, 76}, {4, 20}, {15, 20}, {5, 19}, {5, 30}}) {
        EXPECT_EQ(canvas.At(x, y), Paper) << x << "," << y;
    }
    // 11 wide: black to white over the left 5 pixels, white to black over the right 6. Narrow
    // bands share pixels, and the last band over a pixel gives it its colour.
    manager.FillBackground(canvas.DC(), EffectHCGradient, {20, 40, 31, 42}, Black, Paper, White, 5, 0);
    const COLORREF row[] = {Grey(47), Grey(99), Grey(151), Grey(203), Grey(251),
                            Grey(215), Grey(171), Grey(131), Grey(87), Grey(43), Grey(3)};
    for (int x = 0; x < 11; ++x) {
        EXPECT_EQ(canvas.At(20 + x, 41), row[x]) << x;
    }
}

TEST_F(Fills, NothingIsDrawnOnAnEmptyRectangle)
{
    for (int effect = EffectTransparent; effect <= EffectMetal + 1; ++effect) {
        for (const RECT& rect : {RECT{5, 5, 5, 15}, RECT{5, 5, 15, 5}, RECT{15, 15, 5, 5}}) {
            manager.FillBackground(canvas.DC(), effect, rect, Black, White, Black, 5, 5);
        }
    }
    EXPECT_TRUE(canvas.Unchanged(Paper));
}

TEST_F(Fills, TexturesReachTheScreenTheRightWayUp)
{
    manager.FillBackground(canvas.DC(), EffectHShade, {3, 4, 23, 34}, White, Grey(128), Black, 0, 0);
    const PaletteBitmap& texture = manager.EffectBitmap();
    for (int y = 0; y < 30; ++y) {
        for (int x = 0; x < 20; ++x) {
            ASSERT_EQ(canvas.At(3 + x, 4 + y), texture.PaletteColor(texture.PixelAt(x, y))) << x << "," << y;
        }
    }
    EXPECT_EQ(canvas.At(10, 4), Grey(246)) << "first colour at the top";
    EXPECT_EQ(canvas.At(10, 33), Black);
    EXPECT_TRUE(canvas.Unchanged(Paper, {0, 34, 80, 80}));
}

TEST_F(Fills, TexturesBeyondMemoryFallBackToTheirFirstColourAndWideOnesStillRender)
{
    manager.FillBackground(canvas.DC(), EffectMetal, {0, 0, 70000, 70000}, RGB(1, 2, 3), White, Black, 5, 0);
    EXPECT_TRUE(canvas.Unchanged(RGB(1, 2, 3)));
    manager.FillBackground(canvas.DC(), EffectMetal, {-35000, 2, 5, 3}, White, White, White, 0, 100);
    EXPECT_TRUE(canvas.Unchanged(White, {0, 2, 5, 3}));
    EXPECT_EQ(canvas.At(5, 2), RGB(1, 2, 3));
}

TEST_F(Fills, BackgroundImagesAreTiledFromTheRectangleOriginAndTilesCut)
{
    wchar_t folder[MAX_PATH];
    GetTempPathW(MAX_PATH, folder);
    const std::wstring path = std::wstring(folder) + L"fennick-tile-test.bmp";
    Canvas tile(2, 2, White); // red, white over blue, black
    tile.Set(0, 0, RGB(255, 0, 0));
    tile.Set(0, 1, RGB(0, 0, 255));
    tile.Set(1, 1, Black);
    ASSERT_TRUE(tile.WriteBitmapFile(path));
    DrawBackgroundImage(manager, canvas.DC(), 1, 1, 5, 3, L"file: " + path);
    DeleteFileW(path.c_str());
    for (int y = 0; y < 8; ++y) {
        for (int x = 0; x < 8; ++x) {
            const bool inside = x >= 1 && x < 6 && y >= 1 && y < 4;
            ASSERT_EQ(canvas.At(x, y), inside ? tile.At((x - 1) % 2, (y - 1) % 2) : Paper) << x << "," << y;
        }
    }
    canvas.Clear(Paper);
    for (const wchar_t* source : {L"idres: 999", L"iddll: 1", L"file: c:\\no\\such.bmp", L"bogus: 1"}) {
        DrawBackgroundImage(manager, canvas.DC(), 0, 0, 20, 20, source);
    }
    manager.TileBitmap(canvas.DC(), 0, 0, 10, 10, tile.DC(), 0, 0, 0, 2);
    manager.TileBitmap(canvas.DC(), 0, 0, 10, 10, tile.DC(), 0, 0, 3, -1);
    EXPECT_TRUE(canvas.Unchanged(Paper));
}

} // namespace
} // namespace fennick
