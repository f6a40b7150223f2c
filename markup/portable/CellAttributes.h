#pragma once

#include "markup/portable/MarkupStyle.h"
#include "markup/portable/StyleParser.h"

#include <string_view>

namespace fennick {

struct CellSpan {
    int columns = 1;
    int rows = 1;
};

// Spans beyond this are taken as this: a grid of rows × columns slots is built from them.
constexpr int kMaxCellSpan = 1000;

// Applies the attributes of a table (isTable), row or cell tag to the style and returns the
// cell's spans. Only a table may have a border wider than one pixel, and only a solid one.
CellSpan ParseCellAttributes(const StyleParser& parser, std::wstring_view attributes, MarkupStyle& style, bool isTable);

} // namespace fennick
