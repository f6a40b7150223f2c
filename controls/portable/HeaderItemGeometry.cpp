#include "controls/portable/HeaderItemGeometry.h"

namespace fennick {

int HeaderItemMargin(const PixelRect& item)
{
    return (item.bottom - item.top) / 4;
}

HeaderLabel LayOutHeaderLabel(const PixelRect& item, bool sortColumn, bool pressed)
{
    const int margin = HeaderItemMargin(item);
    PixelRect label = item;
    if (pressed) {
        label.left += 1;
        label.top += 2;
        label.right += 1;
    }
    if (sortColumn)
        label.right -= 3 * margin;
    label.left += margin;
    label.right -= margin;
    return {label, label.left < label.right};
}

SortArrowStrokes SortArrowPolylines(const PixelRect& item, bool ascending)
{
    const int o = HeaderItemMargin(item);
    const int r = item.right;
    const int b = item.bottom;
    if (ascending) {
        return {{{r - 2 * o, o}, {r - o, b - o - 1}, {r - 3 * o - 2, b - o - 1}},
                {{r - 3 * o - 1, b - o - 1}, {r - 2 * o, o - 1}}};
    }
    return {{{r - o - 1, o}, {r - 2 * o - 1, b - o}}, {{r - 2 * o - 2, b - o}, {r - 3 * o - 1, o}, {r - o - 1, o}}};
}

} // namespace fennick
