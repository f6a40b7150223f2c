#pragma once

#include "markup/portable/StyleParser.h"

#include <cstddef>
#include <string_view>

namespace fennick {

// Finds the next "<" + name from position that is not escaped by a preceding "<". The match is
// by prefix: "td" also finds "<tdx". Found: position = the match's "<". Not found: position =
// the text length (a position already at or past the end is left as it is).
bool FindTag(std::wstring_view text, std::size_t& position, std::wstring_view name);

// The ends of a table, row or cell whose tag starts at position: the position of the "<" of the
// matching end tag, skipping nested tables; the text length when there is none, so that an
// unclosed table, row or cell runs to the end of the text. The result never lies past the end.
std::size_t SkipTable(std::wstring_view text, std::size_t position);
std::size_t SkipRow(std::wstring_view text, std::size_t position);
std::size_t SkipCell(std::wstring_view text, std::size_t position);

struct TableCellCount {
    int columns = 0; // the largest sum of column spans over the cells of one row
    int rows = 0; // the row tags outside nested tables
};

TableCellCount CountTableCells(const StyleParser& parser, std::wstring_view tableText);

} // namespace fennick
