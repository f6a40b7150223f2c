#pragma once

#include "markup/portable/Color.h"
#include "markup/portable/ShadowSettings.h"

#include <cstdint>

namespace fennick {

// How an image is drawn: style flags (ImageStyle), the colour that is transparent in it, and its
// shadow. With shadowOn the image casts one (style kImageShadowFlags) or, without one, is drawn
// at the shadow's offset. shadow.color also colours the one-colour style.
struct ImageLook {
    std::int32_t style = 0;
    bool hasMask = false;
    Color maskColor = 0;
    bool shadowOn = false;
    ShadowSettings shadow{};

    friend bool operator==(const ImageLook&, const ImageLook&) = default;
};

} // namespace fennick
