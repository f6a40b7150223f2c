#pragma once

#include "markup/portable/ColorScheme.h"
#include "markup/portable/HostSurface.h"
#include "markup/portable/MarkupStyle.h"

#include <cstddef>
#include <optional>
#include <string_view>

namespace fennick {

// One "name: value" declaration as written, its parts views into the text.
struct Declaration {
    std::wstring_view name;
    std::wstring_view value; // empty without a value
    bool hasColon = false; // a name without ":" is skipped by the readers
};

// Reads the declaration that starts at the next digit, letter or "." from position. The name
// runs to a space or ":"; after the ":" and any spaces or ";" the value is a double-quoted
// text (empty without its closing quote, which ends the text) or runs to the next ";" with
// its trailing spaces. Nothing when no name is left.
std::optional<Declaration> ReadDeclaration(std::wstring_view text, std::size_t& position);

// The value parsers that need the drawer's context: the surface for font-relative and
// inch-based units, and the colour scheme for colour names and the disabled look.
class StyleParser {
public:
    StyleParser(const ColorScheme& colors, const HostSurface& surface) : colors_(colors), surface_(surface) {}

    // A length in device pixels: px, ex, em, in, cm, mm, pt, pc, a percentage of current, or a
    // plain number (with sizeKeywords, 1 to 7 are the font sizes 8, 10, 12, 14, 18, 24, 36).
    int ParseLength(std::wstring_view value, int current, bool sizeKeywords) const;

    // "#RRGGBB" (exactly six hexadecimal digits), a number taken as 0x00BBGGRR, or a colour
    // name; anything else keeps current.
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
