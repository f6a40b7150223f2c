#pragma once

#include "markup/portable/MarkupTokenizer.h"

#include <cstddef>
#include <string_view>
#include <vector>

namespace fennick {

// Token ranges are [open + 1, end): open is the index of the opening tag, end the index of the
// matching closing tag or of the enclosing range's end when there is none.
struct CellNode {
    std::size_t open = 0;
    std::size_t end = 0;
    std::vector<std::size_t> tables; // indices into MarkupDocument::tables, of the tables right in the cell
};

struct RowNode {
    std::size_t open = 0;
    std::size_t end = 0;
    std::vector<CellNode> cells;
};

struct TableNode {
    std::size_t open = 0;
    std::size_t end = 0;
    std::vector<RowNode> rows;
};

// Tables nest up to this depth; a deeper table is read as inline markup of its cell, whose
// row and cell tags are unknown and ignored.
constexpr int kMaxTableNesting = 64;

// Prepared markup cut into tokens once, with its tables, rows and cells found among them. A
// tag is a table, row or cell tag when its name begins with "table", "tr" or "td" (so "<tdx>"
// is a cell too); a "<<" before a name makes it text. Rows, cells and tables that are not
// closed run to the end of what encloses them.
struct MarkupDocument {
    std::vector<MarkupToken> tokens;
    std::vector<TableNode> tables; // in the order of their opening tags
    std::vector<std::size_t> topTables; // the tables outside every table

    bool Empty() const { return tokens.empty(); }
};

MarkupDocument ReadMarkupDocument(std::wstring_view prepared);

} // namespace fennick
