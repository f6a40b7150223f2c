#pragma once

#include "framework/portable/PixelGeometry.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <optional>

namespace fennick {

// Calls place(PixelRect) for every tile of tileWidth x tileHeight laid from (x, y) over the
// area width x height, the last column and row cut to the area. Tiles smaller than 1 pixel
// place nothing.
template <typename Place>
void ForEachTile(int x, int y, int width, int height, int tileWidth, int tileHeight, Place place)
{
    if (tileWidth < 1 || tileHeight < 1) {
        return;
    }
    constexpr std::int64_t farthest = std::numeric_limits<int>::max();
    const std::int64_t right = std::min(std::int64_t{x} + width, farthest);
    const std::int64_t bottom = std::min(std::int64_t{y} + height, farthest);
    for (std::int64_t column = x; column < right; column += tileWidth) {
        for (std::int64_t row = y; row < bottom; row += tileHeight) {
            const auto cutWidth = static_cast<int>(std::min<std::int64_t>(tileWidth, right - column));
            const auto cutHeight = static_cast<int>(std::min<std::int64_t>(tileHeight, bottom - row));
            const auto left = static_cast<int>(column);
            const auto top = static_cast<int>(row);
            place(PixelRect{left, top, left + cutWidth, top + cutHeight});
        }
    }
}

// Top-left corner of cell `frame` of a strip of cells read row by row, or nothing when the
// strip holds no such cell.
std::optional<PixelPoint> StripCellOrigin(int stripWidth, int stripHeight, int cellWidth, int cellHeight, int frame);

} // namespace fennick
