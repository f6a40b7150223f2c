#include "markup/portable/ImagePlacement.h"

namespace fennick {

std::optional<PixelPoint> StripCellOrigin(int stripWidth, int stripHeight, int cellWidth, int cellHeight, int frame)
{
    if (cellWidth < 1 || cellHeight < 1 || frame < 0) {
        return std::nullopt;
    }
    const int columns = stripWidth / cellWidth;
    const int rows = stripHeight / cellHeight;
    if (columns <= 0 || rows <= 0 || frame >= std::int64_t{columns} * rows) {
        return std::nullopt;
    }
    return PixelPoint{cellWidth * (frame % columns), cellHeight * (frame / columns)};
}

} // namespace fennick
