#pragma once

#include <cstdint>

namespace fennick {

// Style flags of an image; the letters of an image tag's style attribute set the first five.
enum ImageStyle : std::int32_t {
    ImageGrayscale = 0x1,
    ImageDarken = 0x2,
    ImageLighten = 0x4,
    ImageOneColor = 0x8, // set by the layout while the control is disabled
    ImageHardShadow = 0x100,
    ImageSoftShadow = 0x200,
    ImageInvert = 0x8000,
};

// Flags that turn an image into a mask: every opaque pixel takes the fill colour, inverted.
inline constexpr std::int32_t kImageMaskFlags = ImageOneColor | ImageInvert;
inline constexpr std::int32_t kImageShadowFlags = ImageHardShadow | ImageSoftShadow;

} // namespace fennick
