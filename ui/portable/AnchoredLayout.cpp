#include "ui/portable/AnchoredLayout.h"

namespace fennick {

unsigned PlacementFlags(const AnchorFactors& factors)
{
    unsigned flags = PlaceNoZOrder;
    if (factors.moveX == 0.0 && factors.moveY == 0.0)
        flags |= PlaceNoMove;
    if (factors.growX == 0.0 && factors.growY == 0.0)
        flags |= PlaceNoSize;
    return flags;
}

void FollowSizeChange(AnchoredRect& rect, const AnchorFactors& factors, int dx, int dy)
{
    rect.left += factors.moveX * dx;
    rect.top += factors.moveY * dy;
    rect.width += factors.growX * dx;
    rect.height += factors.growY * dy;
}

PixelRect Truncated(const AnchoredRect& rect)
{
    const int left = static_cast<int>(rect.left);
    const int top = static_cast<int>(rect.top);
    return PixelRect{left, top, left + static_cast<int>(rect.width), top + static_cast<int>(rect.height)};
}

} // namespace fennick
