#pragma once

#include "markup/portable/MarkupStyle.h"

#include <string_view>

namespace fennick {

// Keyword properties. Values are compared exactly, letter case included; a value that is not
// listed keeps the current one (font weights read any other value as a number).

bool ParseFontStyle(std::wstring_view value, bool current); // normal, italic, oblique
std::int32_t ParseFontWeight(std::wstring_view value); // normal, bold, bolder, lighter, number
TextAlign ParseTextAlign(std::wstring_view value, TextAlign current); // left, center, right
VerticalAlign ParseVerticalAlign(std::wstring_view value, VerticalAlign current);
TextTransform ParseTextTransform(std::wstring_view value, TextTransform current);
BorderStyle ParseBorderStyle(std::wstring_view value, BorderStyle current);

// A list of words separated by spaces or commas: none, underline, line-through, overline.
// An empty value counts as none.
void ParseTextDecoration(std::wstring_view value, MarkupStyle& style);

bool EndsWithPercent(std::wstring_view value);

// Keeps the width and style of a border consistent: no width means no border, a border without
// a width is one pixel wide.
void BorderWidthChanged(MarkupStyle& style);
void BorderStyleChanged(MarkupStyle& style);

} // namespace fennick
