#include "markup/portable/BackgroundEffect.h"
#include "markup/portable/ImageStyle.h"
#include "markup/win32/BackgroundImage.h"
#include "markup/win32/DrawManager.h"
#include "tests/markup/win32/Canvas.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace fennick {
namespace {

constexpr COLORREF White = RGB(255, 255, 255), Black = RGB(0, 0, 0), Green = RGB(0, 128, 0);
constexpr COLORREF Red = RGB(255, 0, 0), Blue = RGB(0, 0, 255), Magenta = RGB(255, 0, 255);
constexpr COLORREF Grey(int level)
{
    return RGB(level, level, level);
}

class Drawing : public ::testing::Test {
protected:
    // Draws at (2, 2), masked with magenta, with the shadow on when an offset is given.
    void Draw(HBITMAP bitmap, int width, int height, std::int32_t style, int offset = 0, int blur = 0,
              COLORREF color = Black)
    {
        const ImageLook look{style, true, Magenta, offset != 0, {false, offset, offset, blur, blur, color}};
        manager.DrawPrepared(canvas.DC(), 2, 2, manager.PrepareBitmap(canvas.DC(), width, height, bitmap, look));
    }
    // The pixels from (x, y) on, along a row or down a column: 'L' red, 'D' blue, '.' white.
    std::string Trace(int x, int y, int count, bool down = false) const
    {
        std::string text;
        for (int i = 0; i < count; ++i) {
            const COLORREF c = canvas.At(down ? x : x + i, down ? y + i : y);
            text += c == Red ? 'L' : c == Blue ? 'D' : c == White ? '.' : '?';
        }
        return text;
    }

    Canvas canvas{80, 80, White};
    DrawManager manager;
};

class Fills : public Drawing {
protected:
    void SetUp() override { canvas.Clear(Green); }
};
using Images = Drawing;
using Borders = Drawing;

// Every effect, and an unknown one as a solid fill, covers its rectangle and nothing beyond it,
// and nothing at all when it is empty.
TEST_F(Fills, EveryEffectCoversItsRectangleExactlyAndAnEmptyOneNotAtAll)
{
    const RECT area{4, 6, 36, 30};
    for (int effect = EffectTransparent; effect <= EffectMetal + 1; ++effect) {
        canvas.Clear(Green);
        manager.FillBackground(canvas.DC(), effect, area, Black, Grey(128), Blue, 5, 0);
        EXPECT_EQ(canvas.Count(Green, area), 0) << effect;
        for (const RECT& empty : {RECT{5, 5, 5, 15}, RECT{5, 5, 15, 5}, RECT{15, 15, 5, 5}}) {
            manager.FillBackground(canvas.DC(), effect, empty, Black, White, Black, 5, 5);
        }
        EXPECT_EQ(canvas.Count(Green), 80 * 80 - 32 * 24) << effect;
    }
}

TEST_F(Fills, GradientsRunAcrossOrDownFromTheirFirstColour)
{
    for (const auto& [effect, across] : {std::pair{EffectHGradient, true}, {EffectVGradient, false}}) {
        manager.FillBackground(canvas.DC(), effect, {4, 6, 36, 30}, Black, Green, White, 0, 0);
        EXPECT_LT(GetRValue(canvas.At(4, 6)), 16) << effect;
        EXPECT_EQ(canvas.At(across ? 4 : 35, across ? 29 : 6), canvas.At(4, 6)) << effect;
        EXPECT_GT(GetRValue(canvas.At(35, 29)), 240) << effect;
    }
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
    EXPECT_GT(GetRValue(canvas.At(10, 4)), 240) << "first colour at the top";
    EXPECT_EQ(canvas.At(10, 33), Black);
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
    DrawBackgroundImage(manager, canvas.DC(), {1, 1, 6, 4}, {BackgroundImageKind::File, 0, path});
    DeleteFileW(path.c_str());
    for (int y = 0; y < 8; ++y) {
        for (int x = 0; x < 8; ++x) {
            const bool inside = x >= 1 && x < 6 && y >= 1 && y < 4;
            ASSERT_EQ(canvas.At(x, y), inside ? tile.At((x - 1) % 2, (y - 1) % 2) : Green) << x << "," << y;
        }
    }
    canvas.Clear(Green);
    const BackgroundImageSource missing[] = {{BackgroundImageKind::Resource, 999, {}},
                                             {BackgroundImageKind::LibraryResource, 1, {}},
                                             {BackgroundImageKind::File, 0, L"c:\\no\\such.bmp"},
                                             {}};
    for (const BackgroundImageSource& source : missing) {
        DrawBackgroundImage(manager, canvas.DC(), {0, 0, 20, 20}, source);
    }
    EXPECT_TRUE(canvas.Unchanged(Green));
}

TEST_F(Images, MagentaShowsTheBackgroundUnlessTheImageCarriesAlpha)
{
    canvas.Clear(Green);
    const OwnedBitmap masked = MakeBitmap(8, 4, [](int x, int) { return x < 4 ? Magenta : Red; });
    Draw(masked.get(), 8, 4, 0);
    EXPECT_FALSE(manager.HasAlpha());
    EXPECT_EQ(canvas.At(5, 5), Green);
    EXPECT_EQ(canvas.At(6, 3), Red);
    manager.DrawPrepared(canvas.DC(), 2, 20, manager.PrepareBitmap(canvas.DC(), 8, 4, masked.get(), {}));
    EXPECT_EQ(canvas.At(2, 20), Magenta) << "without a mask the image is opaque";

    canvas.Clear(Blue);
    const OwnedBitmap alpha = MakeBitmap(
        4, 4, [](int x, int) { return x < 2 ? Red : Magenta; }, 32, 0x80);
    Draw(alpha.get(), 4, 4, 0);
    EXPECT_TRUE(manager.HasAlpha());
    EXPECT_EQ(canvas.At(2, 2), RGB(128, 0, 127));
    EXPECT_EQ(canvas.At(4, 2), RGB(128, 0, 255)) << "magenta with alpha is blended, not masked";
    EXPECT_EQ(canvas.At(6, 2), Blue);
}

TEST_F(Images, StretchingDropsPixelsWithoutMixingColours)
{
    const COLORREF stripe[] = {Red, Blue, Magenta};
    const OwnedBitmap stripes = MakeBitmap(9, 2, [&](int x, int) { return stripe[x % 3]; });
    Draw(stripes.get(), 6, 8, 0); // shrunk across, stretched down
    std::set<COLORREF> colors;
    for (int x = 2; x < 8; ++x) {
        colors.insert(canvas.At(x, 9));
    }
    colors.erase(White);
    colors.erase(Red);
    EXPECT_EQ(colors, std::set<COLORREF>{Blue}) << "pixels are dropped, none mixed with another";
    EXPECT_EQ(canvas.At(2, 10), White);
}

TEST_F(Images, HardShadowFallsWhereTheImageIsOpaque)
{
    const OwnedBitmap bitmap = MakeBitmap(6, 6, [](int x, int) { return x < 3 ? Magenta : Red; });
    Draw(bitmap.get(), 6, 6, ImageHardShadow, 3, 0, Grey(128));
    // The opaque right half casts its shadow on x 8..10, y 5..10, below the image's y 2..7.
    EXPECT_EQ(canvas.At(9, 9), Grey(128));
    EXPECT_EQ(canvas.At(6, 9), White) << "the transparent half casts no shadow";
    EXPECT_EQ(canvas.At(6, 4), Red);
    EXPECT_EQ(canvas.At(11, 9), White);
}

TEST_F(Images, SoftShadowFadesInsideItsAreaAndNoneIfTheBlurFillsIt)
{
    // Offset 20 keeps the 12 x 12 shadow area at (22, 22) clear of the image.
    const OwnedBitmap red = MakeBitmap(12, 12, [](int, int) { return Red; });
    Draw(red.get(), 12, 12, ImageSoftShadow, 20, 4);
    EXPECT_EQ(canvas.At(28, 28), Black);
    const int corner = GetRValue(canvas.At(22, 22));
    const int inside = GetRValue(canvas.At(23, 23));
    EXPECT_TRUE(255 > corner && corner > inside && inside > 0) << corner << ", " << inside;
    EXPECT_TRUE(canvas.Unchanged(White, {14, 21, 40, 22}));
    EXPECT_EQ(canvas.At(8, 8), Red);

    canvas.Clear(White);
    Draw(red.get(), 4, 4, ImageSoftShadow, 10, 9); // a kernel larger than the area
    EXPECT_TRUE(canvas.Unchanged(White, {6, 6, 40, 40}));
    Draw(red.get(), 4, 4, 0, 20); // shadow on without a shadow style moves the image
    EXPECT_EQ(canvas.At(24, 24), Red);
    EXPECT_TRUE(canvas.Unchanged(White, {6, 6, 22, 22}));
}

TEST_F(Images, StripsDrawOnlyExistingCellsAndNothingDrawsWithoutImageOrSize)
{
    const COLORREF cells[] = {Red, Blue, Green, Magenta};
    const OwnedBitmap strip = MakeBitmap(64, 16, [&](int x, int) { return cells[x / 16]; });
    const auto drawFrame = [&](HBITMAP bitmap, int frame, int cellWidth) {
        manager.DrawPrepared(canvas.DC(), 2, 2,
                             manager.PrepareStripFrame(canvas.DC(), 16, 16, bitmap, frame, {cellWidth, 16}, {}));
    };
    drawFrame(strip.get(), 3, 16);
    EXPECT_EQ(canvas.At(10, 10), Magenta);
    canvas.Clear(White);
    drawFrame(strip.get(), 4, 16);
    drawFrame(strip.get(), 0, 0);
    drawFrame(nullptr, 0, 16);
    Draw(nullptr, 4, 4, 0);
    Draw(strip.get(), 0, 4, 0);
    Draw(strip.get(), 4, -4, ImageSoftShadow, 3, 3);
    manager.DrawPrepared(canvas.DC(), 0, 0, manager.PrepareIcon(canvas.DC(), 16, 16, IconBitmaps{}, {}));
    EXPECT_TRUE(canvas.Unchanged(White));
    EXPECT_EQ(manager.TransformColors(strip.get(), 0, 4, 0, false, 0, 0), nullptr);
}

COLORREF Checker(int x, int y)
{
    return (x + y) % 2 ? Red : Blue;
}
bool Opaque(int x, int y)
{
    return x >= 4 || y >= 4;
} // transparent top-left 4 x 4

TEST_F(Images, IconsAtTheirOwnSizeAreCopiedAndAtOthersScaledWithoutMixingColours)
{
    IconBitmaps icon;
    ASSERT_TRUE(icon.Read(MakeIcon(16, 16, Checker, Opaque).get()));
    const OwnedIcon scaled(DrawManager::ScaleIcon(icon, 32, 32));
    IconBitmaps scaledParts;
    ASSERT_TRUE(scaledParts.Read(scaled.get()));
    EXPECT_EQ(scaledParts.size.cy, 32);
    for (const auto& [width, height] : {std::pair{15, 15}, {17, 9}}) { // odd: not twice the hotspot
        IconBitmaps odd;
        ASSERT_TRUE(odd.Read(MakeIcon(width, height, Checker, Opaque).get()));
        EXPECT_EQ((std::pair<int, int>(odd.size.cx, odd.size.cy)), std::pair(width, height));
    }
    for (const int size : {16, 32, 10}) {
        canvas.Clear(Green);
        manager.DrawPrepared(canvas.DC(), 0, 0, manager.PrepareIcon(canvas.DC(), size, size, icon, {}));
        for (int i = 0; i < size * size; ++i) {
            const int x = i % size, y = i / size, iconX = x * 16 / size, iconY = y * 16 / size;
            const COLORREF color = canvas.At(x, y);
            if (size % 16 == 0) {
                ASSERT_EQ(color, Opaque(iconX, iconY) ? Checker(iconX, iconY) : Green) << size << ": " << x << "," << y;
            } else {
                ASSERT_TRUE(color == Red || color == Blue || color == Green) << x << "," << y;
            }
        }
    }
}

TEST_F(Images, OneColourIconsAreTheSilhouetteAndTheDcKeepsItsColours)
{
    IconBitmaps icon;
    ASSERT_TRUE(icon.Read(MakeIcon(16, 16, Checker, Opaque).get()));
    SetTextColor(canvas.DC(), Red);
    SetBkColor(canvas.DC(), Blue);
    const PreparedImage oneColor =
        manager.PrepareIcon(canvas.DC(), 16, 16, icon, {.style = ImageOneColor, .shadow = {.color = Magenta}});
    manager.DrawPrepared(canvas.DC(), 0, 0, oneColor);
    EXPECT_EQ(canvas.At(1, 1), White) << "the mask is read as plain black and white";
    EXPECT_TRUE(canvas.At(5, 5) == Magenta && canvas.At(6, 5) == Magenta);
    EXPECT_EQ(GetTextColor(canvas.DC()), Red);
    EXPECT_EQ(GetBkColor(canvas.DC()), Blue);
}

TEST_F(Borders, LightGoesTopAndLeftDarkBottomAndRightDoubleTwoPensInside)
{
    manager.DrawBorderRect(canvas.DC(), {10, 10, 40, 30}, Red, Blue, BorderSolid, 1);
    EXPECT_EQ(Trace(8, 20, 35), "..L" + std::string(29, '.') + "D..");
    EXPECT_EQ(Trace(25, 8, 25, true), "..L" + std::string(19, '.') + "D..");
    EXPECT_EQ(Trace(10, 10, 31), std::string(30, 'L') + "D") << "the right edge starts at the top";
    canvas.Clear(White);
    manager.DrawBorderRect(canvas.DC(), {10, 10, 40, 30}, Red, Blue, BorderDouble, 1);
    EXPECT_EQ(Trace(9, 20, 33), ".L.L" + std::string(25, '.') + "D.D.");
    EXPECT_EQ(Trace(25, 9, 23, true), ".L.L" + std::string(15, '.') + "D.D.");
    canvas.Clear(White);
    manager.DrawBorderRect(canvas.DC(), {10, 10, 40, 30}, Red, Blue, BorderSolid, 3);
    EXPECT_EQ(Trace(8, 20, 34), "..LLL" + std::string(25, '.') + "DDD.") << "wide pens sit half a pen inside";
}

TEST_F(Borders, DoubleLinesHaveTheirTwinBelowOrToTheRightAndNoStyleDrawsNothing)
{
    manager.DrawLine(canvas.DC(), 5, 5, 45, 5, Red, BorderDouble, 1);
    EXPECT_EQ(Trace(20, 4, 5, true), ".L.L.");
    manager.DrawLine(canvas.DC(), 50, 10, 50, 40, Blue, BorderDouble, 1);
    EXPECT_EQ(Trace(49, 20, 5), ".D.D.");
    manager.DrawLine(canvas.DC(), 5, 30, 45, 40, Blue, BorderDouble, 1);
    EXPECT_EQ(canvas.At(7, 32), Blue) << "a slanted twin moves down and right";
    canvas.Clear(White);
    manager.DrawBorderRect(canvas.DC(), {10, 10, 40, 30}, Red, Blue, BorderNone, 2);
    manager.DrawBorderRect(canvas.DC(), {10, 10, 40, 30}, Red, Blue, BorderSolid, 0);
    manager.DrawLine(canvas.DC(), 0, 5, 50, 5, Red, BorderNone, 1);
    manager.DrawLine(canvas.DC(), 0, 5, 50, 5, Red, BorderDouble, -2);
    EXPECT_TRUE(canvas.Unchanged(White));
}

} // namespace
} // namespace fennick
