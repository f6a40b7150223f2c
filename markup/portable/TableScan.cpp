#include "markup/portable/TableScan.h"

#include "markup/portable/CellAttributes.h"
#include "markup/portable/MarkupTokenizer.h"

#include <algorithm>

namespace fennick {

namespace {

constexpr std::wstring_view tableTag = L"table";
constexpr std::wstring_view tableEndTag = L"/table";
constexpr std::wstring_view rowTag = L"tr";
constexpr std::wstring_view rowEndTag = L"/tr";
constexpr std::wstring_view cellTag = L"td";
constexpr std::wstring_view cellEndTag = L"/td";

bool IsEscaped(std::wstring_view text, std::size_t match)
{
    return match > 0 && text[match - 1] == L'<';
}

// The first unescaped "<" + name at or after a position, remembered so that the scans, which
// ask with rising positions, read the text about once instead of once per question.
class TagSearch {
public:
    TagSearch(std::wstring_view text, std::wstring_view name) : text_(text), name_(name) {}

    // The match's position, or the text length.
    std::size_t From(std::size_t position)
    {
        if (position < askedFrom_ || position > found_) {
            askedFrom_ = position;
            found_ = position;
            FindTag(text_, found_, name_);
            found_ = std::min(found_, text_.size());
        }
        return found_;
    }

private:
    std::wstring_view text_;
    std::wstring_view name_;
    std::size_t askedFrom_ = std::wstring_view::npos;
    std::size_t found_ = 0;
};

std::size_t AtMost(std::size_t position, std::wstring_view text)
{
    return std::min(position, text.size());
}

// The first unescaped "<" + name in [from, limit), or limit. Bounded searches keep every scan
// linear: the scans only need to know what comes before the next end tag.
std::size_t FindBefore(std::wstring_view text, std::size_t from, std::size_t limit, std::wstring_view name)
{
    std::size_t position = from;
    return FindTag(text.substr(0, limit), position, name) ? position : limit;
}

} // namespace

bool FindTag(std::wstring_view text, std::size_t& position, std::wstring_view name)
{
    if (position >= text.size()) {
        return false;
    }
    for (std::size_t from = position; from < text.size();) {
        const std::size_t match = text.find(L'<', from);
        if (match == std::wstring_view::npos) {
            break;
        }
        if (text.substr(match + 1, name.size()) != name) {
            from = match + 1;
        } else if (IsEscaped(text, match)) {
            from = match + 2;
        } else {
            position = match;
            return true;
        }
    }
    position = text.size();
    return false;
}

std::size_t SkipTable(std::wstring_view text, std::size_t position)
{
    TagSearch closing(text, tableEndTag);
    std::size_t openFrom = AtMost(position + 1 + tableTag.size() + 1, text);
    std::size_t closeFrom = openFrom;
    for (int depth = 1;;) {
        const std::size_t close = closing.From(closeFrom);
        if (close == text.size()) {
            return close; // not closed: the table runs to the end
        }
        const std::size_t open = FindBefore(text, openFrom, close, tableTag);
        if (open < close) {
            openFrom = AtMost(open + 1 + tableTag.size() + 1, text);
            ++depth;
        } else if (--depth == 0) {
            return close;
        } else {
            closeFrom = AtMost(close + 1 + tableEndTag.size() + 1, text);
        }
    }
}

std::size_t SkipRow(std::wstring_view text, std::size_t position)
{
    TagSearch rowEnds(text, rowEndTag);
    std::size_t from = AtMost(position + 1 + rowTag.size() + 1, text);
    for (int depth = 1; from < text.size();) {
        const std::size_t rowEnd = rowEnds.From(from);
        const std::size_t row = FindBefore(text, from, rowEnd, rowTag);
        const std::size_t table = FindBefore(text, from, row, tableTag);
        if (table < row) {
            from = AtMost(SkipTable(text, table) + 1 + tableTag.size(), text);
        } else if (row < rowEnd) {
            ++depth;
            from = AtMost(row + 1 + rowTag.size() + 1, text);
        } else if (rowEnd == text.size() || --depth == 0) {
            return rowEnd;
        } else {
            from = AtMost(rowEnd + 1 + rowEndTag.size() + 1, text);
        }
    }
    return text.size();
}

std::size_t SkipCell(std::wstring_view text, std::size_t position)
{
    std::size_t from = AtMost(position + 1 + cellTag.size() + 1, text);
    while (from < text.size()) {
        const std::size_t cellEnd = FindBefore(text, from, text.size(), cellEndTag);
        const std::size_t table = FindBefore(text, from, cellEnd, tableTag);
        if (table == cellEnd) {
            return cellEnd;
        }
        from = AtMost(SkipTable(text, table) + 1 + tableTag.size(), text);
    }
    return text.size();
}

TableCellCount CountTableCells(const StyleParser& parser, std::wstring_view tableText)
{
    TableCellCount count;
    TagSearch rows(tableText, rowTag);
    TagSearch rowEnds(tableText, rowEndTag);
    std::size_t position = 0;
    while (position < tableText.size()) {
        position = rows.From(position);
        if (position == tableText.size()) {
            break;
        }
        ++count.rows;
        std::int64_t rowColumns = 0;
        while (true) {
            const std::size_t rowEnd = rowEnds.From(position);
            const std::size_t cell = FindBefore(tableText, position, rowEnd, cellTag);
            if (cell >= rowEnd) {
                position = rowEnd;
                break;
            }
            // The cell's own tag, read within the cell so that a tag without ">" stays small.
            const std::size_t cellEnd = std::max(SkipCell(tableText, cell), cell + 1);
            const MarkupTag tag = ReadTagAt(tableText.substr(0, cellEnd), cell);
            MarkupStyle scratch;
            rowColumns += ParseCellAttributes(parser, tag.attributes, scratch, true).columns;
            position = AtMost(cellEnd, tableText);
        }
        count.columns =
            static_cast<int>(std::max<std::int64_t>(count.columns, std::min<std::int64_t>(rowColumns, INT32_MAX)));
    }
    return count;
}

} // namespace fennick
