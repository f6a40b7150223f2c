// Tag search, the ends of tables, rows and cells from every tag that starts one, and table sizes.
#include "markup/portable/TableScan.h"
#include "tests/markup/fuzz/FuzzInput.h"
#include "tests/markup/support/FakeSurface.h"

using namespace fennick;

namespace {

template <typename Skip>
void CheckEnds(std::wstring_view text, std::wstring_view name, std::wstring_view endName, Skip skip)
{
    std::size_t position = 0;
    while (FindTag(text, position, name)) {
        fuzz::Check(text.substr(position + 1, name.size()) == name);
        const std::size_t end = skip(text, position);
        fuzz::Check(end >= position && end <= text.size());
        fuzz::Check(end == text.size() || text.substr(end + 1, endName.size()) == endName);
        ++position;
    }
    fuzz::Check(position == text.size());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::wstring text = fuzz::ToText(data, size);
    CheckEnds(text, L"table", L"/table", SkipTable);
    CheckEnds(text, L"tr", L"/tr", SkipRow);
    CheckEnds(text, L"td", L"/td", SkipCell);
    for (std::size_t start = text.size(); start < text.size() + 10; ++start) {
        fuzz::Check(SkipTable(text, start) <= text.size() && SkipRow(text, start) <= text.size() &&
                    SkipCell(text, start) <= text.size());
    }

    ColorScheme colors;
    test::FakeSurface surface;
    const TableCellCount count = CountTableCells(StyleParser(colors, surface), text);
    fuzz::Check(count.rows >= 0 && count.columns >= 0 && static_cast<std::size_t>(count.rows) <= text.size());
    return 0;
}
