#include "markup/portable/ImageStyle.h"
#include "markup/win32/DrawManager.h"
#include "tests/markup/win32/Canvas.h"

#include <gtest/gtest.h>

namespace fennick {
namespace {

constexpr COLORREF Paper = RGB(255, 255, 255);
constexpr COLORREF Green = RGB(0, 128, 0);
constexpr COLORREF Red = RGB(255, 0, 0);
constexpr COLORREF Blue = RGB(0, 0, 255);
constexpr COLORREF Magenta = RGB(255, 0, 255);
constexpr COLORREF Black = RGB(0, 0, 0);

class Images : public ::testing::Test {
protected:
    // Draws bitmap at (2, 2) in its own size with the shadow settings given.
    void Draw(HBITMAP bitmap, int width, int height, bool hasMask, std::int32_t style, bool shadowOn = false,
              int offset = 0, int blur = 0, COLORREF color = Black)
    {
        manager.DrawBitmapImage(canvas.DC(), 2, 2, width, height, bitmap, hasMask, Magenta, style, shadowOn, offset,
                                offset, blur, blur, color);
    }

    Canvas canvas{40, 40, Paper};
    DrawManager manager;
};

TEST_F(Images, MagentaMaskShowsTheBackgroundThroughOnlyWhenAsked)
{
    canvas.Clear(Green);
    const OwnedBitmap bitmap = MakeBitmap24(8, 4, [](int x, int) { return x < 4 ? Magenta : Red; });
    Draw(bitmap.get(), 8, 4, true, 0);
    EXPECT_EQ(canvas.At(2, 3), Green);
    EXPECT_EQ(canvas.At(5, 5), Green);
    EXPECT_EQ(canvas.At(6, 3), Red);
    EXPECT_EQ(canvas.At(10, 3), Green);
    EXPECT_FALSE(manager.HasAlpha());
    manager.DrawBitmapImage(canvas.DC(), 2, 20, 8, 4, bitmap.get(), false, Magenta, 0, false, 0, 0, 0, 0, Black);
    EXPECT_EQ(canvas.At(2, 20), Magenta) << "without a mask the image is opaque";
}

TEST_F(Images, BitmapWithAlphaIsBlendedAndItsMaskColourNeverMatches)
{
    canvas.Clear(Blue);
    const OwnedBitmap bitmap = MakeBitmap32(4, 4, [](int x, int) { return x < 2 ? Red : Magenta; }, 0x80);
    Draw(bitmap.get(), 4, 4, true, 0);
    EXPECT_TRUE(manager.HasAlpha());
    EXPECT_EQ(canvas.At(2, 2), RGB(128, 0, 127));
    EXPECT_EQ(canvas.At(4, 2), RGB(128, 0, 255)) << "magenta with alpha is blended, not masked";
    EXPECT_EQ(canvas.At(6, 2), Blue);
}

TEST_F(Images, StyleFlagsRecolourTheImage)
{
    const OwnedBitmap bitmap = MakeBitmap24(2, 2, [](int, int) { return RGB(200, 100, 40); });
    struct Case {
        std::int32_t style;
        COLORREF expected;
    };
    // Y = 0.587 * 100 + 0.299 * 200 + 0.114 * 40 = 123.06
    for (const Case& test : {Case{ImageGrayscale, RGB(123, 123, 123)}, Case{ImageDarken, RGB(150, 75, 30)},
                             Case{ImageLighten, RGB(250, 125, 50)}, Case{ImageOneColor, Blue}}) {
        manager.DrawBitmapImage(canvas.DC(), 2, 2, 2, 2, bitmap.get(), false, Magenta, test.style, false, 0, 0, 0, 0,
                                Blue);
        EXPECT_EQ(canvas.At(3, 3), test.expected) << test.style;
    }
}

TEST_F(Images, StretchedToTheDisplaySize)
{
    const OwnedBitmap bitmap = MakeBitmap24(2, 2, [](int x, int y) { return x == y ? Red : Blue; });
    Draw(bitmap.get(), 8, 8, false, 0);
    EXPECT_EQ(canvas.At(2, 2), Red);
    EXPECT_EQ(canvas.At(5, 5), Red);
    EXPECT_EQ(canvas.At(6, 5), Blue);
    EXPECT_EQ(canvas.At(9, 9), Red);
    EXPECT_EQ(canvas.At(10, 10), Paper);
}

TEST_F(Images, ShrunkImagesKeepTheirOwnColours)
{
    const OwnedBitmap bitmap = MakeBitmap24(9, 1, [](int x, int) { return x % 3 == 0 ? Red : x % 3 == 1 ? Blue : Magenta; });
    Draw(bitmap.get(), 6, 1, true, 0);
    for (int x = 2; x < 8; ++x) {
        const COLORREF color = canvas.At(x, 2);
        EXPECT_TRUE(color == Red || color == Blue || color == Paper) << x << ": " << std::hex << color;
    }
}

TEST_F(Images, HardShadowDarkensInProportionToItsColourAndFollowsTheMask)
{
    const OwnedBitmap bitmap = MakeBitmap24(6, 6, [](int x, int) { return x < 3 ? Magenta : Red; });
    Draw(bitmap.get(), 6, 6, true, ImageHardShadow, true, 3, 0, RGB(128, 128, 128));
    // The shadow of the opaque right half lies at x 8..10, y 5..10; the image covers y 2..7.
    EXPECT_EQ(canvas.At(9, 9), RGB(128, 128, 128));
    EXPECT_EQ(canvas.At(6, 9), Paper) << "the transparent half casts no shadow";
    EXPECT_EQ(canvas.At(6, 4), Red);
    EXPECT_EQ(canvas.At(11, 9), Paper);

    canvas.Clear(Paper);
    Draw(bitmap.get(), 6, 6, true, ImageHardShadow, true, 3, 0, Black);
    EXPECT_EQ(canvas.At(9, 9), Black);
}

TEST_F(Images, SoftShadowUsesAnOddKernelOverAShrunkSilhouette)
{
    const OwnedBitmap bitmap = MakeBitmap24(12, 12, [](int, int) { return Red; });
    // Offset 20 keeps the whole 12 x 12 shadow area clear of the image: it starts at (22, 22).
    Draw(bitmap.get(), 12, 12, false, ImageSoftShadow, true, 20, 4, Black);
    // Blur 4 becomes a 5 x 5 kernel over a 7 x 7 silhouette at (2, 2) of the area.
    EXPECT_EQ(canvas.At(28, 28), Black);
    EXPECT_EQ(canvas.At(22, 22), RGB(244, 244, 244)) << "1 of 25 window pixels in the silhouette";
    EXPECT_EQ(canvas.At(23, 22), RGB(234, 234, 234)) << "2 of 25";
    EXPECT_EQ(canvas.At(23, 23), RGB(214, 214, 214)) << "4 of 25";
    EXPECT_EQ(canvas.At(21, 28), Paper);
    EXPECT_EQ(canvas.At(34, 28), Paper);
    EXPECT_EQ(canvas.At(8, 8), Red);
}

TEST_F(Images, ShadowOnWithoutAShadowStyleMovesTheImage)
{
    const OwnedBitmap bitmap = MakeBitmap24(4, 4, [](int, int) { return Red; });
    Draw(bitmap.get(), 4, 4, false, ImageGrayscale, true, 5);
    EXPECT_EQ(canvas.At(2, 2), Paper);
    EXPECT_EQ(canvas.At(7, 7), RGB(76, 76, 76));
    EXPECT_EQ(canvas.At(10, 10), RGB(76, 76, 76));
    EXPECT_EQ(canvas.At(11, 11), Paper);
}

TEST_F(Images, SoftShadowLargerThanItsAreaLeavesTheBackground)
{
    const OwnedBitmap bitmap = MakeBitmap24(4, 4, [](int, int) { return Red; });
    Draw(bitmap.get(), 4, 4, false, ImageSoftShadow, true, 10, 9);
    EXPECT_EQ(canvas.At(13, 13), Paper);
    EXPECT_EQ(canvas.At(3, 3), Red);
}

TEST_F(Images, StripDrawsOnlyExistingCells)
{
    const COLORREF cells[] = {Red, Blue, Green, Magenta};
    const OwnedBitmap strip = MakeBitmap24(64, 16, [&](int x, int) { return cells[x / 16]; });
    const auto drawFrame = [&](int frame, int cellWidth) {
        manager.DrawStripFrame(canvas.DC(), 2, 2, 16, 16, strip.get(), frame, cellWidth, 16, false, Magenta, 0, false,
                               0, 0, 0, 0, Black);
    };
    drawFrame(3, 16);
    EXPECT_EQ(canvas.At(10, 10), Magenta);
    canvas.Clear(Paper);
    drawFrame(4, 16);
    drawFrame(-1, 16);
    drawFrame(0, 0);
    EXPECT_TRUE(canvas.Unchanged(Paper));
}

TEST_F(Images, NothingToDrawWhenThereIsNoImageOrNoSize)
{
    const OwnedBitmap bitmap = MakeBitmap24(4, 4, [](int, int) { return Red; });
    Draw(nullptr, 4, 4, false, 0);
    Draw(bitmap.get(), 0, 4, false, 0);
    Draw(bitmap.get(), 4, -4, false, ImageSoftShadow, true, 3, 3);
    manager.DrawIconImage(canvas.DC(), 0, 0, 16, 16, nullptr, 0, false, 0, 0, 0, 0, Black);
    manager.DrawStripFrame(canvas.DC(), 0, 0, 16, 16, nullptr, 0, 16, 16, false, Magenta, 0, false, 0, 0, 0, 0,
                           Black);
    EXPECT_TRUE(canvas.Unchanged(Paper));
    EXPECT_EQ(DrawManager::GetBitmapSize(nullptr).cx, 0);
    EXPECT_EQ(DrawManager::GetIconSize(nullptr).cy, 0);
    EXPECT_EQ(manager.TransformColors(nullptr, 4, 4, 0, false, 0, 0), nullptr);
    EXPECT_EQ(manager.TransformColors(bitmap.get(), 0, 4, 0, false, 0, 0), nullptr);
}

class Icons : public Images {
protected:
    static COLORREF Checker(int x, int y) { return (x + y) % 2 ? Red : Blue; }
    // Opaque but for the top-left 4 x 4 corner.
    static bool Opaque(int x, int y) { return x >= 4 || y >= 4; }

    OwnedIcon icon = MakeIcon(16, 16, Checker, Opaque);
};

TEST_F(Icons, AtTheirOwnSizeAreCopiedPixelForPixel)
{
    ASSERT_TRUE(icon);
    const SIZE size = DrawManager::GetIconSize(icon.get());
    EXPECT_EQ(size.cx, 16);
    EXPECT_EQ(size.cy, 16);
    canvas.Clear(Green);
    manager.DrawIconImage(canvas.DC(), 3, 3, 16, 16, icon.get(), 0, false, 0, 0, 0, 0, Black);
    for (int y = 0; y < 16; ++y) {
        for (int x = 0; x < 16; ++x) {
            ASSERT_EQ(canvas.At(3 + x, 3 + y), Opaque(x, y) ? Checker(x, y) : Green) << x << "," << y;
        }
    }
}

TEST_F(Icons, AtAnotherSizeAreScaled)
{
    const OwnedIcon scaled(DrawManager::ScaleIcon(icon.get(), 32, 32));
    ASSERT_TRUE(scaled);
    EXPECT_EQ(DrawManager::GetIconSize(scaled.get()).cx, 32);
    canvas.Clear(Green);
    manager.DrawIconImage(canvas.DC(), 0, 0, 32, 32, icon.get(), 0, false, 0, 0, 0, 0, Black);
    EXPECT_EQ(canvas.At(7, 7), Green) << "the transparent corner doubles to 8 x 8";
    EXPECT_EQ(canvas.At(8, 8), Blue);
    EXPECT_EQ(canvas.At(9, 8), Blue) << "each icon pixel covers two";
    EXPECT_EQ(canvas.At(10, 8), Red);
}

TEST_F(Icons, ShrunkKeepTheirOwnColours)
{
    canvas.Clear(Green);
    manager.DrawIconImage(canvas.DC(), 0, 0, 10, 10, icon.get(), 0, false, 0, 0, 0, 0, Black);
    for (int y = 0; y < 10; ++y) {
        for (int x = 0; x < 10; ++x) {
            const COLORREF color = canvas.At(x, y);
            ASSERT_TRUE(color == Red || color == Blue || color == Green) << x << "," << y << ": " << std::hex << color;
        }
    }
}

TEST_F(Icons, OneColourIconIsItsSilhouette)
{
    canvas.Clear(Green);
    manager.DrawIconImage(canvas.DC(), 0, 0, 16, 16, icon.get(), ImageOneColor, false, 0, 0, 0, 0, Magenta);
    EXPECT_EQ(canvas.At(1, 1), Green);
    EXPECT_EQ(canvas.At(5, 5), Magenta);
    EXPECT_EQ(canvas.At(6, 5), Magenta);
}

TEST_F(Icons, KeepTheBackgroundColoursOfTheTargetDc)
{
    SetTextColor(canvas.DC(), Red);
    SetBkColor(canvas.DC(), Blue);
    manager.DrawIconImage(canvas.DC(), 0, 0, 16, 16, icon.get(), 0, false, 0, 0, 0, 0, Black);
    EXPECT_EQ(canvas.At(1, 1), Paper) << "the mask is read as plain black and white";
    EXPECT_EQ(GetTextColor(canvas.DC()), Red);
    EXPECT_EQ(GetBkColor(canvas.DC()), Blue);
}

} // namespace
} // namespace fennick
