#pragma once

#include "markup/portable/Color.h"
#include "markup/portable/ImageStyle.h"
#include "markup/portable/ShadowSettings.h"
#include "markup/portable/StyleParser.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace fennick {

// The attributes of a bitmap, icon or image-strip tag; the defaults are those of a fresh tag.
struct ImageSpec {
    std::int32_t index = 0; // "index": strip cell or image-list index
    std::int32_t resourceId = 0; // "idres": resource of the program
    std::int32_t libraryResourceId = 0; // "iddll": resource of the library named by "srcdll"
    std::int32_t handle = 0; // "handle": an image handle given as a number
    std::int32_t cellWidth = 0; // "cx", "cy": cell size of a strip
    std::int32_t cellHeight = 0;
    std::int32_t width = 100; // "width", "height": pixels or a percentage
    std::int32_t height = 100;
    std::int32_t speed = 0; // "speed": animation ticks per frame; 0 = still
    std::int32_t style = 0; // "style": ImageStyle bits
    std::int32_t hotStyle = 0; // "hotstyle": the flags while the image's link is hovered
    bool hasMask = false; // "mask": a transparent colour was given
    bool widthIsPercent = true;
    bool heightIsPercent = true;
    Color maskColor = 0xFF00FF;
    std::wstring file; // "file"
    std::wstring library; // "srcdll"
};

void ParseImageAttributes(const StyleParser& parser, const ShadowSettings& shadow, std::wstring_view attributes,
                          ImageSpec& spec);

// Letters g (grayscale), d (darken), l (lighten) and s (the shadow, when it has an offset).
std::int32_t ParseImageStyleFlags(std::wstring_view value, const ShadowSettings& shadow);

} // namespace fennick
