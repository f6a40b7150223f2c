#include "markup/portable/ImagePlacement.h"

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

TEST(Tiling, CutsTheLastTilesAndPlacesNothingForTilesBelowOnePixel)
{
    EXPECT_EQ(Tiles(5, 7, 10, 5, 4, 3).back(), (PixelRect{13, 10, 15, 12}));
    EXPECT_TRUE(Tiles(0, 0, 10, 10, 4, -2).empty());
    EXPECT_EQ(Tiles(INT_MAX - 3, 0, 100, 1, 2, 1).back(), (PixelRect{INT_MAX - 1, 0, INT_MAX, 1})) << "no overflow";
}

TEST(StripCells, AreReadRowByRowAndOnlyWhole)
{
    EXPECT_EQ(StripCellOrigin(64, 16, 16, 16, 3), (PixelPoint{48, 0}));
    EXPECT_EQ(StripCellOrigin(32, 48, 16, 16, 3), (PixelPoint{16, 16}));
    EXPECT_EQ(StripCellOrigin(35, 16, 16, 16, 1), (PixelPoint{16, 0}));
    for (const auto& [cellWidth, cellHeight, frame] :
         {std::tuple{16, 16, 4}, {16, 16, -1}, {0, 16, 0}, {16, 0, 0}, {-16, -16, 0}, {80, 16, 0}}) {
        EXPECT_EQ(StripCellOrigin(64, 16, cellWidth, cellHeight, frame), std::nullopt)
            << cellWidth << "x" << cellHeight << " frame " << frame;
    }
}

} // namespace
} // namespace fennick
