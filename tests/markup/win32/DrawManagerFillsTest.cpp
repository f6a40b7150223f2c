#include "markup/portable/BackgroundEffect.h"
#include "markup/win32/BackgroundImage.h"
#include "markup/win32/DrawManager.h"
#include "tests/markup/win32/Canvas.h"

#include <gtest/gtest.h>

#include <string>

namespace fennick {
namespace {

constexpr COLORREF Paper = RGB(0, 128, 0);
constexpr COLORREF Black = RGB(0, 0, 0);
constexpr COLORREF White = RGB(255, 255, 255);

TEST(Fills, GradientBandsLandOnTheirColumnsAndRows)
{
    Canvas canvas(80, 80, Paper);
    DrawManager manager;
    manager.FillGradient(canvas.DC(), {4, 2, 68, 10}, Black, White, true);
    for (int k = 0; k < 64; ++k) {
        const int grey = k * 255 / 64;
        ASSERT_EQ(canvas.At(4 + k, 2), RGB(grey, grey, grey)) << k;
        ASSERT_EQ(canvas.At(4 + k, 9), RGB(grey, grey, grey)) << k;
    }
    EXPECT_EQ(canvas.At(3, 5), Paper);
    EXPECT_EQ(canvas.At(68, 5), Paper);
    EXPECT_EQ(canvas.At(10, 10), Paper);

    manager.FillGradient(canvas.DC(), {70, 12, 75, 76}, White, Black, false);
    EXPECT_EQ(canvas.At(72, 12), White);
    EXPECT_EQ(canvas.At(72, 75), RGB(3, 3, 3)) << "255 / 64";
    EXPECT_EQ(canvas.At(72, 76), Paper);
}

TEST(Fills, SolidAndCentredGradientsCoverTheirRectangleExactly)
{
    Canvas canvas(40, 40, Paper);
    DrawManager manager;
    manager.FillBackground(canvas.DC(), EffectSolid, {5, 6, 15, 16}, RGB(9, 8, 7), White, White, 5, 0);
    EXPECT_EQ(canvas.At(5, 6), RGB(9, 8, 7));
    EXPECT_EQ(canvas.At(14, 15), RGB(9, 8, 7));
    for (const auto& [x, y] : {std::pair{4, 6}, {15, 6}, {5, 5}, {5, 16}}) {
        EXPECT_EQ(canvas.At(x, y), Paper) << x << "," << y;
    }
    // 11 wide: the left half runs first -> end over 5 pixels, the right half end -> first over 6.
    // Narrow bands share pixels, and the last band over a pixel gives it its colour.
    manager.FillBackground(canvas.DC(), EffectHCGradient, {20, 20, 31, 22}, Black, Paper, White, 5, 0);
    EXPECT_EQ(canvas.At(20, 20), RGB(47, 47, 47));    // band 12 of the left half
    EXPECT_EQ(canvas.At(24, 20), RGB(251, 251, 251)); // band 63: the brightest, last of the left half
    EXPECT_EQ(canvas.At(25, 21), RGB(215, 215, 215)); // band 10 of the right half
    EXPECT_EQ(canvas.At(30, 21), RGB(3, 3, 3));
    EXPECT_EQ(canvas.At(31, 20), Paper);
}

TEST(Fills, NothingIsDrawnOnAnEmptyRectangle)
{
    Canvas canvas(20, 20, Paper);
    DrawManager manager;
    for (int effect = EffectTransparent; effect <= EffectMetal + 1; ++effect) {
        for (const RECT& rect : {RECT{5, 5, 5, 15}, RECT{5, 5, 15, 5}, RECT{15, 15, 5, 5}}) {
            manager.FillBackground(canvas.DC(), effect, rect, Black, White, Black, 5, 5);
        }
    }
    EXPECT_TRUE(canvas.Unchanged(Paper));
}

TEST(Fills, TexturesReachTheScreenTheRightWayUp)
{
    Canvas canvas(40, 40, Paper);
    DrawManager manager;
    manager.FillBackground(canvas.DC(), EffectHShade, {3, 4, 23, 34}, White, RGB(128, 128, 128), Black, 0, 0);
    const PaletteBitmap& texture = manager.EffectBitmap();
    for (int y = 0; y < 30; ++y) {
        for (int x = 0; x < 20; ++x) {
            ASSERT_EQ(canvas.At(3 + x, 4 + y), texture.PaletteColor(texture.PixelAt(x, y))) << x << "," << y;
        }
    }
    EXPECT_GT(GetRValue(canvas.At(10, 4)), 240) << "first colour at the top";
    EXPECT_LT(GetRValue(canvas.At(10, 33)), 15);
    EXPECT_EQ(canvas.At(10, 34), Paper);
    EXPECT_EQ(canvas.At(23, 10), Paper);
}

TEST(Fills, ATextureTooLargeForMemoryFallsBackToItsFirstColour)
{
    Canvas canvas(10, 10, Paper);
    DrawManager manager;
    manager.FillBackground(canvas.DC(), EffectMetal, {0, 0, 70000, 70000}, RGB(1, 2, 3), White, Black, 5, 0);
    EXPECT_TRUE(canvas.Unchanged(RGB(1, 2, 3)));
    manager.FillBackground(canvas.DC(), EffectMetal, {-35000, 2, 5, 3}, White, White, White, 0, 100);
    EXPECT_EQ(canvas.At(4, 2), White) << "a side beyond 32767 still renders";
    EXPECT_EQ(canvas.At(5, 2), RGB(1, 2, 3));
}

class Tiling : public ::testing::Test {
protected:
    COLORREF Source(int x, int y) const { return RGB(40 * x, 100 * y, 7); }

    Canvas canvas{20, 20, Paper};
    DrawManager manager;
};

TEST_F(Tiling, RepeatsTheSourceAndCutsTheLastTiles)
{
    const OwnedBitmap source = MakeBitmap24(3, 2, [this](int x, int y) { return Source(x, y); });
    const MemoryDC sourceDC = MakeMemoryDC(canvas.DC());
    const GdiSelection selection(sourceDC.get(), source.get());
    manager.TileBitmap(canvas.DC(), 2, 3, 10, 5, sourceDC.get(), 0, 0, 3, 2);
    for (int y = 0; y < 20; ++y) {
        for (int x = 0; x < 20; ++x) {
            const bool inside = x >= 2 && x < 12 && y >= 3 && y < 8;
            ASSERT_EQ(canvas.At(x, y), inside ? Source((x - 2) % 3, (y - 3) % 2) : Paper) << x << "," << y;
        }
    }
    canvas.Clear(Paper);
    manager.TileBitmap(canvas.DC(), 0, 0, 10, 10, sourceDC.get(), 0, 0, 0, 2);
    manager.TileBitmap(canvas.DC(), 0, 0, 10, 10, sourceDC.get(), 0, 0, 3, -1);
    EXPECT_TRUE(canvas.Unchanged(Paper));
}

// A 2 x 2 bitmap file: red and white over blue and green.
std::wstring WriteTileFile()
{
    wchar_t folder[MAX_PATH];
    GetTempPathW(MAX_PATH, folder);
    const std::wstring path = std::wstring(folder) + L"fennick-tile-test.bmp";
    Canvas tile(2, 2, White);
    tile.Set(0, 0, RGB(255, 0, 0));
    tile.Set(0, 1, RGB(0, 0, 255));
    tile.Set(1, 1, RGB(0, 255, 0));
    EXPECT_TRUE(tile.WriteBitmapFile(path));
    return path;
}

TEST_F(Tiling, BackgroundImageFromAFileIsTiledFromTheRectangleOrigin)
{
    const std::wstring path = WriteTileFile();
    DrawBackgroundImage(manager, canvas.DC(), 1, 1, 5, 3, L"file: " + path);
    DeleteFileW(path.c_str());
    EXPECT_EQ(canvas.At(1, 1), RGB(255, 0, 0));
    EXPECT_EQ(canvas.At(2, 1), White);
    EXPECT_EQ(canvas.At(1, 2), RGB(0, 0, 255));
    EXPECT_EQ(canvas.At(4, 2), RGB(0, 255, 0));
    EXPECT_EQ(canvas.At(5, 3), RGB(255, 0, 0));
    EXPECT_EQ(canvas.At(6, 1), Paper);
    EXPECT_EQ(canvas.At(1, 4), Paper);
}

TEST_F(Tiling, BackgroundImagesThatCannotBeLoadedDrawNothing)
{
    for (const wchar_t* source : {L"idres: 999", L"iddll: 1", L"file: c:\\no\\such.bmp", L"file:", L"bogus: 1"}) {
        DrawBackgroundImage(manager, canvas.DC(), 0, 0, 20, 20, source);
    }
    EXPECT_TRUE(canvas.Unchanged(Paper));
}

} // namespace
} // namespace fennick
