#pragma once

#include "markup/portable/Color.h"

namespace fennick {

// The drop shadow that images with the "s" style letter get.
struct ShadowSettings {
    bool soft = false;
    int offsetX = 0;
    int offsetY = 0;
    int blurX = 0;
    int blurY = 0;
    Color color = 0x000000;

    bool HasOffset() const { return offsetX != 0 || offsetY != 0; }

    friend bool operator==(const ShadowSettings&, const ShadowSettings&) = default;
};

} // namespace fennick
