#pragma once

#include "markup/portable/MarkupStyle.h"

#include <string_view>

namespace fennick {

struct TextSize {
    int width = 0;
    int height = 0;
};

struct FontMetrics {
    int height = 0; // ascent + descent, the line height of the font
    int ascent = 0;
    int descent = 0;
};

// What the markup engine asks of the device it lays text out on: a font made from a style and
// measurements with it. On Windows a device context (GdiSurface); in tests a fake with fixed metrics.
class HostSurface {
public:
    virtual ~HostSurface() = default;

    // Later measurements use the font of the style: family, size (as the cell height in pixels),
    // weight, italic, underline and strike-out.
    virtual void SelectStyleFont(const MarkupStyle& style) = 0;

    virtual TextSize TextExtent(std::wstring_view text) const = 0;
    virtual FontMetrics TextMetrics() const = 0;
    virtual int DotsPerInchY() const = 0;
};

} // namespace fennick
