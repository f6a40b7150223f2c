#pragma once

#include "framework/portable/PixelGeometry.h"

#include <vector>

namespace fennick {

// Where an owner-drawn header item puts its text. The margin is a quarter of the item's
// height; the sort column keeps three more margins free at its right end for the arrow.
struct HeaderLabel {
    PixelRect rect;
    bool showsText; // false when the margins leave no room
};

int HeaderItemMargin(const PixelRect& item);

// `pressed` moves the text 1 pixel right and 2 down, as a pushed button face does.
HeaderLabel LayOutHeaderLabel(const PixelRect& item, bool sortColumn, bool pressed);

// The engraved sort arrow as two polylines (each drawn without its last point): the lit edges
// and the shadowed edges. Its y coordinates count from the header's top, not the item's.
struct SortArrowStrokes {
    std::vector<PixelPoint> light;
    std::vector<PixelPoint> shadow;
};

SortArrowStrokes SortArrowPolylines(const PixelRect& item, bool ascending);

} // namespace fennick
