#include "markup/portable/ImageStyle.h"
#include "markup/win32/DrawManager.h"
#include "tests/markup/win32/Canvas.h"

#include <gtest/gtest.h>

#include <set>

namespace fennick {
namespace {

constexpr COLORREF Paper = RGB(255, 255, 255);
constexpr COLORREF Green = RGB(0, 128, 0);
constexpr COLORREF Red = RGB(255, 0, 0);
constexpr COLORREF Blue = RGB(0, 0, 255);
constexpr COLORREF Magenta = RGB(255, 0, 255);
constexpr COLORREF Black = RGB(0, 0, 0);
constexpr COLORREF Grey(int level) { return RGB(level, level, level); }

OwnedBitmap Plain(int width, int height, COLORREF color)
{
    return MakeBitmap(width, height, [color](int, int) { return color; });
}

class Images : public ::testing::Test {
protected:
    // Draws at (2, 2), masked with magenta, with the shadow on when an offset is given.
    void Draw(HBITMAP bitmap, int width, int height, std::int32_t style, int offset = 0, int blur = 0,
              COLORREF color = Black)
    {
        manager.DrawBitmapImage(canvas.DC(), 2, 2, width, height, bitmap, true, Magenta, style, offset != 0, offset,
                                offset, blur, blur, color);
    }

    Canvas canvas{40, 40, Paper};
    DrawManager manager;
};

TEST_F(Images, MagentaShowsTheBackgroundUnlessTheImageCarriesAlpha)
{
    canvas.Clear(Green);
    const OwnedBitmap masked = MakeBitmap(8, 4, [](int x, int) { return x < 4 ? Magenta : Red; });
    Draw(masked.get(), 8, 4, 0);
    EXPECT_FALSE(manager.HasAlpha());
    EXPECT_EQ(canvas.At(5, 5), Green);
    EXPECT_EQ(canvas.At(6, 3), Red);
    manager.DrawBitmapImage(canvas.DC(), 2, 20, 8, 4, masked.get(), false, Magenta, 0, false, 0, 0, 0, 0, Black);
    EXPECT_EQ(canvas.At(2, 20), Magenta) << "without a mask the image is opaque";

    canvas.Clear(Blue);
    const OwnedBitmap alpha = MakeBitmap(4, 4, [](int x, int) { return x < 2 ? Red : Magenta; }, 32, 0x80);
    Draw(alpha.get(), 4, 4, 0);
    EXPECT_TRUE(manager.HasAlpha());
    EXPECT_EQ(canvas.At(2, 2), RGB(128, 0, 127));
    EXPECT_EQ(canvas.At(4, 2), RGB(128, 0, 255)) << "magenta with alpha is blended, not masked";
    EXPECT_EQ(canvas.At(6, 2), Blue);
}

TEST_F(Images, StretchingDropsPixelsWithoutMixingColours)
{
    const OwnedBitmap stripes = MakeBitmap(9, 2, [](int x, int) { return x % 3 == 0 ? Red : x % 3 == 1 ? Blue : Magenta; });
    Draw(stripes.get(), 6, 8, 0); // shrunk across, stretched down
    std::set<COLORREF> colors;
    for (int x = 2; x < 8; ++x) {
        colors.insert(canvas.At(x, 9));
    }
    colors.erase(Paper);
    colors.erase(Red);
    EXPECT_EQ(colors, std::set<COLORREF>{Blue}) << "pixels are dropped, none mixed with another";
    EXPECT_EQ(canvas.At(2, 10), Paper);
}

TEST_F(Images, HardShadowDarkensInProportionToItsColourWhereTheImageIsOpaque)
{
    const OwnedBitmap bitmap = MakeBitmap(6, 6, [](int x, int) { return x < 3 ? Magenta : Red; });
    Draw(bitmap.get(), 6, 6, ImageHardShadow, 3, 0, Grey(128));
    // The opaque right half casts its shadow on x 8..10, y 5..10, below the image's y 2..7.
    EXPECT_EQ(canvas.At(9, 9), Grey(128));
    EXPECT_EQ(canvas.At(6, 9), Paper) << "the transparent half casts no shadow";
    EXPECT_EQ(canvas.At(6, 4), Red);
    EXPECT_EQ(canvas.At(11, 9), Paper);
    Draw(bitmap.get(), 6, 6, ImageHardShadow, 3, 0, Black);
    EXPECT_EQ(canvas.At(9, 9), Black);
}

TEST_F(Images, SoftShadowBlursWithAnOddKernelOverAShrunkSilhouette)
{
    const OwnedBitmap bitmap = Plain(12, 12, Red);
    // Offset 20 keeps the 12 x 12 shadow area at (22, 22) clear of the image. Blur 4 becomes a
    // 5 x 5 kernel over a 7 x 7 silhouette at (2, 2) of the area.
    Draw(bitmap.get(), 12, 12, ImageSoftShadow, 20, 4);
    EXPECT_EQ(canvas.At(28, 28), Black);
    EXPECT_EQ(canvas.At(22, 22), Grey(244)) << "1 of 25 window pixels in the silhouette";
    EXPECT_EQ(canvas.At(23, 22), Grey(234)) << "2 of 25";
    EXPECT_EQ(canvas.At(23, 23), Grey(214)) << "4 of 25";
    EXPECT_TRUE(canvas.Unchanged(Paper, {14, 21, 40, 22}));
    EXPECT_EQ(canvas.At(8, 8), Red);

    canvas.Clear(Paper);
    Draw(bitmap.get(), 4, 4, ImageSoftShadow, 10, 9); // a kernel larger than the area
    EXPECT_TRUE(canvas.Unchanged(Paper, {6, 6, 40, 40}));
}

TEST_F(Images, ShadowOnWithoutAShadowStyleMovesTheImage)
{
    const OwnedBitmap bitmap = Plain(4, 4, Red);
    Draw(bitmap.get(), 4, 4, ImageGrayscale, 5);
    EXPECT_TRUE(canvas.Unchanged(Paper, {0, 0, 7, 7}));
    EXPECT_EQ(canvas.At(10, 10), Grey(76));
    EXPECT_TRUE(canvas.Unchanged(Paper, {11, 0, 40, 40}));
}

TEST_F(Images, StripsDrawOnlyExistingCellsAndNothingDrawsWithoutImageOrSize)
{
    const COLORREF cells[] = {Red, Blue, Green, Magenta};
    const OwnedBitmap strip = MakeBitmap(64, 16, [&](int x, int) { return cells[x / 16]; });
    const auto drawFrame = [&](HBITMAP bitmap, int frame, int cellWidth) {
        manager.DrawStripFrame(canvas.DC(), 2, 2, 16, 16, bitmap, frame, cellWidth, 16, false, Magenta, 0, false, 0, 0,
                               0, 0, Black);
    };
    drawFrame(strip.get(), 3, 16);
    EXPECT_EQ(canvas.At(10, 10), Magenta);
    canvas.Clear(Paper);
    drawFrame(strip.get(), 4, 16);
    drawFrame(strip.get(), 0, 0);
    drawFrame(nullptr, 0, 16);
    Draw(nullptr, 4, 4, 0);
    Draw(strip.get(), 0, 4, 0);
    Draw(strip.get(), 4, -4, ImageSoftShadow, 3, 3);
    manager.DrawIconImage(canvas.DC(), 0, 0, 16, 16, nullptr, 0, false, 0, 0, 0, 0, Black);
    EXPECT_TRUE(canvas.Unchanged(Paper));
    EXPECT_EQ(manager.TransformColors(strip.get(), 0, 4, 0, false, 0, 0), nullptr);
}

class Icons : public Images {
protected:
    static COLORREF Checker(int x, int y) { return (x + y) % 2 ? Red : Blue; }
    static bool Opaque(int x, int y) { return x >= 4 || y >= 4; } // transparent top-left 4 x 4

    void DrawIcon(int size, std::int32_t style, COLORREF color = Black)
    {
        manager.DrawIconImage(canvas.DC(), 0, 0, size, size, icon.get(), style, false, 0, 0, 0, 0, color);
    }

    OwnedIcon icon = MakeIcon(16, 16, Checker, Opaque);
};

TEST_F(Icons, AtTheirOwnSizeAreCopiedPixelForPixel)
{
    EXPECT_EQ(DrawManager::GetIconSize(icon.get()).cx, 16);
    canvas.Clear(Green);
    DrawIcon(16, 0);
    for (int y = 0; y < 16; ++y) {
        for (int x = 0; x < 16; ++x) {
            ASSERT_EQ(canvas.At(x, y), Opaque(x, y) ? Checker(x, y) : Green) << x << "," << y;
        }
    }
}

TEST_F(Icons, AtOtherSizesAreScaledWithoutMixingColours)
{
    const OwnedIcon scaled(DrawManager::ScaleIcon(icon.get(), 32, 32));
    EXPECT_EQ(DrawManager::GetIconSize(scaled.get()).cy, 32);
    canvas.Clear(Green);
    DrawIcon(32, 0);
    EXPECT_EQ(canvas.At(7, 7), Green) << "the transparent corner doubles to 8 x 8";
    EXPECT_EQ(std::vector<COLORREF>({canvas.At(8, 8), canvas.At(9, 8), canvas.At(10, 8)}),
              std::vector<COLORREF>({Blue, Blue, Red}));
    canvas.Clear(Green);
    DrawIcon(10, 0);
    for (int y = 0; y < 10; ++y) {
        for (int x = 0; x < 10; ++x) {
            const COLORREF color = canvas.At(x, y);
            ASSERT_TRUE(color == Red || color == Blue || color == Green) << x << "," << y << ": " << std::hex << color;
        }
    }
}

TEST_F(Icons, OneColourIsTheSilhouetteAndTheDcKeepsItsColours)
{
    SetTextColor(canvas.DC(), Red);
    SetBkColor(canvas.DC(), Blue);
    DrawIcon(16, ImageOneColor, Magenta);
    EXPECT_EQ(canvas.At(1, 1), Paper) << "the mask is read as plain black and white";
    EXPECT_EQ(canvas.At(5, 5), Magenta);
    EXPECT_EQ(canvas.At(6, 5), Magenta);
    EXPECT_EQ(GetTextColor(canvas.DC()), Red);
    EXPECT_EQ(GetBkColor(canvas.DC()), Blue);
}

} // namespace
} // namespace fennick
