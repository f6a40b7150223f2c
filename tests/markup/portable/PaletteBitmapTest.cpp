#include "markup/portable/PaletteBitmap.h"

#include <gtest/gtest.h>

#include <cstring>
#include <tuple>

namespace fennick {
namespace {

class PaletteBitmapLayout : public ::testing::TestWithParam<std::tuple<int, int, int, int>> {};

TEST_P(PaletteBitmapLayout, RowsArePaddedToFourBytes)
{
    const auto [width, bits, stride, entries] = GetParam();
    PaletteBitmap bitmap;
    ASSERT_TRUE(bitmap.Create(width, 3, bits));
    EXPECT_EQ(bitmap.Stride(), stride);
    EXPECT_EQ(bitmap.PaletteEntries(), entries);
    EXPECT_EQ(bitmap.Header().sizeImage, static_cast<std::uint32_t>(stride * 3));
    DibHeader stored;
    std::memcpy(&stored, bitmap.Block(), sizeof stored);
    EXPECT_EQ(stored.size, 40u);
    EXPECT_EQ(stored.height, 3) << "positive: rows are stored bottom first";
    EXPECT_EQ(stored.bitCount, bits);
    EXPECT_EQ(bitmap.Bits() - bitmap.Block(), 40 + 4 * entries);
}

INSTANTIATE_TEST_SUITE_P(Depths, PaletteBitmapLayout,
                         ::testing::Values(std::make_tuple(3, 8, 4, 256), std::make_tuple(8, 8, 8, 256),
                                           std::make_tuple(33, 1, 8, 2), std::make_tuple(9, 4, 8, 16),
                                           std::make_tuple(5, 24, 16, 0), std::make_tuple(5, 32, 20, 0)));

TEST(PaletteBitmap, EmptyOrHugeSizesHoldNothing)
{
    PaletteBitmap bitmap;
    ASSERT_TRUE(bitmap.Create(4, 4, 8));
    EXPECT_FALSE(bitmap.Create(0, 4, 8));
    EXPECT_TRUE(bitmap.IsEmpty()) << "a failed Create releases the previous bitmap";
    EXPECT_FALSE(bitmap.Create(4, -1, 8));
    EXPECT_FALSE(bitmap.Create(70000, 70000, 8));
    EXPECT_EQ(bitmap.Bits(), nullptr);
    bitmap.Fill(7);
    bitmap.PutPixel(0, 0, 1);
    bitmap.SetPaletteEntry(0, 1, 2, 3);
    EXPECT_EQ(bitmap.PaletteColor(0), 0u);
}

TEST(PaletteBitmap, PutPixelCountsRowsFromTheTopButStoresTheBottomRowFirst)
{
    PaletteBitmap bitmap;
    ASSERT_TRUE(bitmap.Create(3, 2, 8));
    bitmap.PutPixel(1, 0, 9);
    bitmap.PutPixel(2, 1, 5);
    for (const auto& [x, y] : {std::pair{-1, 0}, {3, 0}, {0, -1}, {0, 2}}) {
        bitmap.PutPixel(x, y, 77);
    }
    EXPECT_EQ(bitmap.Bits()[bitmap.Stride() + 1], 9) << "top row is the last in memory";
    EXPECT_EQ(bitmap.Bits()[2], 5);
    EXPECT_EQ(bitmap.PixelAt(1, 0), 9);
    int stray = 0;
    for (int i = 0; i < bitmap.Stride() * 2; ++i) {
        stray += bitmap.Bits()[i] == 77;
    }
    EXPECT_EQ(stray, 0);
}

TEST(PaletteBitmap, PutPixelIgnoresDepthsWithoutOneBytePerPixel)
{
    PaletteBitmap bitmap;
    ASSERT_TRUE(bitmap.Create(33, 1, 1));
    bitmap.PutPixel(32, 0, 0xFF);
    for (int i = 0; i < bitmap.Stride(); ++i) {
        EXPECT_EQ(bitmap.Bits()[i], 0);
    }
}

TEST(PaletteBitmap, EntriesBeyondTheTableAreIgnored)
{
    PaletteBitmap bitmap;
    ASSERT_TRUE(bitmap.Create(2, 2, 1));
    bitmap.SetPaletteEntry(1, 10, 20, 30);
    bitmap.SetPaletteEntry(2, 40, 50, 60);
    EXPECT_EQ(bitmap.PaletteColor(1), MakeColorRef(10, 20, 30));
    EXPECT_EQ(bitmap.Block()[40 + 4], 30) << "stored blue, green, red, 0";
    EXPECT_EQ(bitmap.Bits()[0], 0) << "the pixels follow the two entries untouched";
}

TEST(PaletteBitmap, BlendPalettePercentIsClampedAndRoundsDown)
{
    PaletteBitmap bitmap;
    ASSERT_TRUE(bitmap.Create(1, 1, 8));
    bitmap.SetPaletteEntry(0, 0, 101, 200);
    bitmap.SetPaletteEntry(255, 9, 9, 9);
    bitmap.BlendPalette(MakeColorRef(100, 0, 50), 50);
    EXPECT_EQ(bitmap.PaletteColor(0), MakeColorRef(50, 50, 125));
    bitmap.BlendPalette(MakeColorRef(1, 2, 3), 150);
    EXPECT_EQ(bitmap.PaletteColor(0), MakeColorRef(1, 2, 3));
    EXPECT_EQ(bitmap.PaletteColor(255), MakeColorRef(1, 2, 3));
    bitmap.BlendPalette(MakeColorRef(200, 200, 200), -20);
    EXPECT_EQ(bitmap.PaletteColor(7), MakeColorRef(1, 2, 3));
}

} // namespace
} // namespace fennick
