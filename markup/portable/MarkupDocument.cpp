#include "markup/portable/MarkupDocument.h"

#include <algorithm>

namespace fennick {

namespace {

enum class Structure { None, TableOpen, TableClose, RowOpen, RowClose, CellOpen, CellClose };

Structure StructureOf(const MarkupToken& token)
{
    if (token.kind != MarkupToken::Kind::Tag) {
        return Structure::None;
    }
    const std::wstring_view name = token.tag.name;
    const bool closing = token.tag.closing;
    if (name.starts_with(L"table")) {
        return closing ? Structure::TableClose : Structure::TableOpen;
    }
    if (name.starts_with(L"tr")) {
        return closing ? Structure::RowClose : Structure::RowOpen;
    }
    if (name.starts_with(L"td")) {
        return closing ? Structure::CellClose : Structure::CellOpen;
    }
    return Structure::None;
}

// Finds the structure in one pass per level: every scan steps over nested tables by their
// matched ends, so each token is looked at a fixed number of times.
class StructureReader {
public:
    explicit StructureReader(MarkupDocument& document) : document_(document), kinds_(document.tokens.size())
    {
        std::transform(document.tokens.begin(), document.tokens.end(), kinds_.begin(), StructureOf);
        MatchTables();
    }

    std::vector<std::size_t> ReadTables(std::size_t from, std::size_t to, int depth)
    {
        std::vector<std::size_t> found;
        for (std::size_t i = from; i < to; ++i) {
            if (kinds_[i] != Structure::TableOpen) {
                continue;
            }
            if (depth < kMaxTableNesting) {
                found.push_back(ReadTable(i, std::min(tableEnds_[i], to), depth + 1));
            }
            i = tableEnds_[i];
        }
        return found;
    }

private:
    // Each table's end: its matching closing tag, or the end of the text.
    void MatchTables()
    {
        tableEnds_.assign(kinds_.size(), kinds_.size());
        std::vector<std::size_t> open;
        for (std::size_t i = 0; i < kinds_.size(); ++i) {
            if (kinds_[i] == Structure::TableOpen) {
                open.push_back(i);
            } else if (kinds_[i] == Structure::TableClose && !open.empty()) {
                tableEnds_[open.back()] = i;
                open.pop_back();
            }
        }
    }

    // The next token in [from, to) of one of the kinds, stepping over nested tables; `to` when none.
    std::size_t Next(std::size_t from, std::size_t to, std::initializer_list<Structure> wanted) const
    {
        for (std::size_t i = from; i < to; ++i) {
            if (std::find(wanted.begin(), wanted.end(), kinds_[i]) != wanted.end()) {
                return i;
            }
            if (kinds_[i] == Structure::TableOpen) {
                i = tableEnds_[i];
            }
        }
        return to;
    }

    // A table that is not closed ends where its enclosing cell does.
    std::size_t ReadTable(std::size_t open, std::size_t end, int depth)
    {
        const std::size_t index = document_.tables.size();
        document_.tables.push_back({open, end, {}});
        std::vector<RowNode> rows;
        for (std::size_t row = Next(open + 1, end, {Structure::RowOpen}); row < end;
             row = Next(rows.back().end + 1, end, {Structure::RowOpen})) {
            rows.push_back(ReadRow(row, end, depth));
        }
        document_.tables[index].rows = std::move(rows);
        return index;
    }

    // A row ends at its matching "/tr": rows opened inside it (outside nested tables) nest.
    RowNode ReadRow(std::size_t open, std::size_t tableEnd, int depth)
    {
        RowNode row{open, tableEnd, {}};
        std::size_t level = 1;
        for (std::size_t i = open; (i = Next(i + 1, tableEnd, {Structure::RowOpen, Structure::RowClose})) < tableEnd;) {
            level = kinds_[i] == Structure::RowOpen ? level + 1 : level - 1;
            if (level == 0) {
                row.end = i;
                break;
            }
        }
        // Cells follow one another until a "/tr"; a cell ends at the first "/td" of its level.
        for (std::size_t cell = open + 1;
             (cell = Next(cell, row.end, {Structure::CellOpen, Structure::RowClose})) < row.end &&
             kinds_[cell] == Structure::CellOpen;) {
            const std::size_t end = Next(cell + 1, row.end, {Structure::CellClose});
            row.cells.push_back({cell, end, ReadTables(cell + 1, end, depth)});
            cell = end;
        }
        return row;
    }

    MarkupDocument& document_;
    std::vector<Structure> kinds_;
    std::vector<std::size_t> tableEnds_;
};

} // namespace

MarkupDocument ReadMarkupDocument(std::wstring_view prepared)
{
    MarkupDocument document;
    // A tag and a text run after it for every "<" at most: no growing while the tokens come.
    document.tokens.reserve(2 * static_cast<std::size_t>(std::count(prepared.begin(), prepared.end(), L'<')) + 1);
    MarkupTokenizer tokenizer(prepared);
    while (std::optional<MarkupToken> token = tokenizer.Next()) {
        document.tokens.push_back(std::move(*token));
    }
    StructureReader reader(document);
    document.topTables = reader.ReadTables(0, document.tokens.size(), 0);
    return document;
}

} // namespace fennick
