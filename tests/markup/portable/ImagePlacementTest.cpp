#include "markup/portable/ImagePlacement.h"

#include "tests/markup/portable/GeometryPrinters.h"

#include <gtest/gtest.h>

#include <climits>
#include <vector>

namespace fennick {
namespace {

std::vector<PixelRect> Tiles(int x, int y, int width, int height, int tileWidth, int tileHeight)
{
    std::vector<PixelRect> tiles;
    ForEachTile(x, y, width, height, tileWidth, tileHeight, [&](const PixelRect& tile) { tiles.push_back(tile); });
    return tiles;
}

TEST(Tiling, ColumnsThenRowsWithTheLastOnesCut)
{
    EXPECT_EQ(Tiles(5, 7, 10, 5, 4, 3), (std::vector<PixelRect>{{5, 7, 9, 10},
                                                               {5, 10, 9, 12},
                                                               {9, 7, 13, 10},
                                                               {9, 10, 13, 12},
                                                               {13, 7, 15, 10},
                                                               {13, 10, 15, 12}}));
    EXPECT_EQ(Tiles(0, 0, 3, 2, 8, 8), (std::vector<PixelRect>{{0, 0, 3, 2}}));
}

TEST(Tiling, NothingForEmptyAreasOrTilesBelowOnePixel)
{
    EXPECT_TRUE(Tiles(0, 0, 10, 10, 0, 4).empty());
    EXPECT_TRUE(Tiles(0, 0, 10, 10, 4, -2).empty());
    EXPECT_TRUE(Tiles(0, 0, 0, 10, 4, 4).empty());
    EXPECT_TRUE(Tiles(0, 0, 10, -1, 4, 4).empty());
    const std::vector<PixelRect> edge = Tiles(INT_MAX - 3, 0, 100, 1, 2, 1);
    ASSERT_EQ(edge.size(), 2u);
    EXPECT_EQ(edge.back(), (PixelRect{INT_MAX - 1, 0, INT_MAX, 1})) << "no coordinate overflows";
}

TEST(StripCells, AreReadRowByRow)
{
    EXPECT_EQ(StripCellOrigin(64, 16, 16, 16, 3), (PixelPoint{48, 0}));
    EXPECT_EQ(StripCellOrigin(64, 16, 16, 16, 4), std::nullopt);
    EXPECT_EQ(StripCellOrigin(32, 48, 16, 16, 3), (PixelPoint{16, 16}));
    EXPECT_EQ(StripCellOrigin(35, 16, 16, 16, 1), (PixelPoint{16, 0})) << "a partial column is no cell";
    EXPECT_EQ(StripCellOrigin(35, 16, 16, 16, 2), std::nullopt);
}

TEST(StripCells, DegenerateCellsAndFramesHaveNoOrigin)
{
    EXPECT_EQ(StripCellOrigin(64, 16, 0, 16, 0), std::nullopt);
    EXPECT_EQ(StripCellOrigin(64, 16, 16, 0, 0), std::nullopt);
    EXPECT_EQ(StripCellOrigin(64, 16, -16, -16, 0), std::nullopt);
    EXPECT_EQ(StripCellOrigin(64, 16, 16, 16, -1), std::nullopt);
    EXPECT_EQ(StripCellOrigin(8, 16, 16, 16, 0), std::nullopt);
    EXPECT_EQ(StripCellOrigin(0, 0, 16, 16, 0), std::nullopt);
}

} // namespace
} // namespace fennick
