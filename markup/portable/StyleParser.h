#pragma once

#include "markup/portable/ColorScheme.h"
#include "markup/portable/HostSurface.h"
#include "markup/portable/MarkupStyle.h"

#include <string_view>

namespace fennick {

// The value parsers that need the drawer's context: the surface for font-relative and
// inch-based units, and the colour scheme for colour names and the disabled look.
class StyleParser {
public:
    StyleParser(const ColorScheme& colors, const HostSurface& surface) : colors_(colors), surface_(surface) {}

    // A length in device pixels: px, ex, em, in, cm, mm, pt, pc, a percentage of current, or a
    // plain number (with sizeKeywords, 1 to 7 are the font sizes 8, 10, 12, 14, 18, 24, 36).
    int ParseLength(std::wstring_view value, int current, bool sizeKeywords) const;

    // "#RRGGBB", a number taken as 0x00BBGGRR, or a colour name.
    Color ParseColor(std::wstring_view value, Color current) const;
    // The colour as drawn: while disabled every colour is the disabled colour.
    Color ParseShownColor(std::wstring_view value, Color current) const;
    // "transparent" or empty for no background, else an opaque background of the colour; a
    // disabled control draws no backgrounds.
    void ApplyBackgroundColor(std::wstring_view value, MarkupStyle& style) const;

    int ParseBorderWidth(std::wstring_view value, int current) const; // thin, medium, thick or a length
    std::int32_t ParseBackgroundEffect(std::wstring_view value, std::int32_t current) const;

    // Applies "name: value; ..." declarations (letter case ignored) to the style.
    void ParseStyleDeclarations(std::wstring_view text, MarkupStyle& style) const;

    const ColorScheme& Colors() const { return colors_; }

private:
    void ApplyProperty(std::wstring_view name, std::wstring_view value, MarkupStyle& style) const;
    static void ApplyBorderWidth(const StyleParser& parser, std::wstring_view value, MarkupStyle& style);

    const ColorScheme& colors_;
    const HostSurface& surface_;
};

} // namespace fennick
