#include "markup/portable/PaletteBitmap.h"

#include <gtest/gtest.h>

namespace fennick {
namespace {

std::vector<int> Bytes(const std::uint8_t* from, int count) { return std::vector<int>(from, from + count); }

TEST(PaletteBitmap, RowsAndTableFollowTheDepth)
{
    for (const auto& [width, bits, stride, entries] : {std::tuple{3, 8, 4, 256}, {33, 1, 8, 2}, {5, 24, 16, 0}}) {
        PaletteBitmap bitmap;
        ASSERT_TRUE(bitmap.Create(width, 3, bits));
        EXPECT_EQ(bitmap.Header().height, 3) << "positive: bottom row first";
        EXPECT_EQ(bitmap.Header().sizeImage, static_cast<std::uint32_t>(stride * 3)) << bits << " bits";
        EXPECT_EQ(bitmap.Bits() - bitmap.Block(), 40 + 4 * entries) << bits << " bits";
    }
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

TEST(PaletteBitmap, TableEntriesAndBlending)
{
    PaletteBitmap bitmap;
    ASSERT_TRUE(bitmap.Create(1, 1, 1));
    bitmap.SetPaletteEntry(0, 0, 101, 200);
    bitmap.SetPaletteEntry(2, 40, 50, 60); // beyond the two entries
    EXPECT_EQ(Bytes(bitmap.Block() + 40, 9), (std::vector<int>{200, 101, 0, 0, 0, 0, 0, 0, 0}));
    bitmap.BlendPalette(MakeColorRef(100, 0, 50), 50);
    EXPECT_EQ(bitmap.PaletteColor(0), MakeColorRef(50, 50, 125)) << "rounded down";
    bitmap.BlendPalette(MakeColorRef(1, 2, 3), 150);
    EXPECT_EQ(bitmap.PaletteColor(1), MakeColorRef(1, 2, 3)) << "150 % acts as 100 %";
    bitmap.BlendPalette(MakeColorRef(200, 200, 200), -20);
    EXPECT_EQ(bitmap.PaletteColor(1), MakeColorRef(1, 2, 3));
}

} // namespace
} // namespace fennick
