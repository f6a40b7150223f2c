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
    const OwnedBitmap red = MakeBitmap(12, 12, [](int, int) { return Red; });
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
    // Offset 20 keeps the 12 x 12 shadow area at (22, 22) clear of the image. Blur 4 becomes a
    // 5 x 5 kernel over a 7 x 7 silhouette at (2, 2) of the area.
    Draw(red.get(), 12, 12, ImageSoftShadow, 20, 4);
    EXPECT_EQ(canvas.At(28, 28), Black);
    EXPECT_EQ(canvas.At(22, 22), Grey(244)) << "1 of 25 window pixels in the silhouette";
    EXPECT_EQ(canvas.At(23, 22), Grey(234)) << "2 of 25";
    EXPECT_EQ(canvas.At(23, 23), Grey(214)) << "4 of 25";
    EXPECT_TRUE(canvas.Unchanged(Paper, {14, 21, 40, 22}));
    EXPECT_EQ(canvas.At(8, 8), Red);

    canvas.Clear(Paper);
    Draw(red.get(), 4, 4, ImageSoftShadow, 10, 9); // a kernel larger than the area
    EXPECT_TRUE(canvas.Unchanged(Paper, {6, 6, 40, 40}));
    Draw(red.get(), 4, 4, ImageGrayscale, 20); // shadow on without a shadow style moves the image
    EXPECT_EQ(canvas.At(24, 24), Grey(76));
    EXPECT_TRUE(canvas.Unchanged(Paper, {6, 6, 22, 22}));
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

COLORREF Checker(int x, int y) { return (x + y) % 2 ? Red : Blue; }
bool Opaque(int x, int y) { return x >= 4 || y >= 4; } // transparent top-left 4 x 4

TEST_F(Images, IconsAtTheirOwnSizeAreCopiedAndAtOthersScaledWithoutMixingColours)
{
    const OwnedIcon icon = MakeIcon(16, 16, Checker, Opaque);
    const OwnedIcon scaled(DrawManager::ScaleIcon(icon.get(), 32, 32));
    EXPECT_EQ(DrawManager::GetIconSize(scaled.get()).cy, 32);
    for (const int size : {16, 32, 10}) {
        canvas.Clear(Green);
        manager.DrawIconImage(canvas.DC(), 0, 0, size, size, icon.get(), 0, false, 0, 0, 0, 0, Black);
        for (int y = 0; y < size; ++y) {
            for (int x = 0; x < size; ++x) {
                const COLORREF color = canvas.At(x, y);
                if (size == 16) {
                    ASSERT_EQ(color, Opaque(x, y) ? Checker(x, y) : Green) << x << "," << y;
                } else if (size == 32) {
                    ASSERT_EQ(color, Opaque(x / 2, y / 2) ? Checker(x / 2, y / 2) : Green) << x << "," << y;
                } else {
                    ASSERT_TRUE(color == Red || color == Blue || color == Green) << x << "," << y;
                }
            }
        }
    }
}

TEST_F(Images, OneColourIconsAreTheSilhouetteAndTheDcKeepsItsColours)
{
    const OwnedIcon icon = MakeIcon(16, 16, Checker, Opaque);
    SetTextColor(canvas.DC(), Red);
    SetBkColor(canvas.DC(), Blue);
    manager.DrawIconImage(canvas.DC(), 0, 0, 16, 16, icon.get(), ImageOneColor, false, 0, 0, 0, 0, Magenta);
    EXPECT_EQ(canvas.At(1, 1), Paper) << "the mask is read as plain black and white";
    EXPECT_TRUE(canvas.At(5, 5) == Magenta && canvas.At(6, 5) == Magenta);
    EXPECT_EQ(GetTextColor(canvas.DC()), Red);
    EXPECT_EQ(GetBkColor(canvas.DC()), Blue);
}

} // namespace
} // namespace fennick
