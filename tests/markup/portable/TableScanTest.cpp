#include "markup/portable/TableScan.h"
#include "tests/markup/support/FakeSurface.h"

#include <gtest/gtest.h>

#include <string>

namespace fennick {
namespace {

TEST(TableScanTest, FindTagSkipsEscapedTagsAndMatchesByPrefix)
{
    const std::tuple<const wchar_t*, std::size_t, const wchar_t*, std::size_t> cases[] = {
        {L"ab<<table><table>", 0, L"table", 10},
        {L"<<table>", 0, L"table", 8},
        {L"x<tdx>", 0, L"td", 1},
        {L"<td></td>", 1, L"td", 9},
        {L"<td></td>", 1, L"/td", 4},
        {L"<td>", 20, L"td", 20}};
    for (auto [text, position, name, expected] : cases) {
        FindTag(text, position, name);
        EXPECT_EQ(position, expected) << text;
    }
}

using Skip = std::size_t (*)(std::wstring_view, std::size_t);

TEST(TableScanTest, EndsOfTablesRowsAndCells)
{
    const std::tuple<Skip, const wchar_t*, std::size_t, std::size_t> cases[] = {
        {SkipTable, L"<table><table>b</table>c</table>d", 0, 24},
        {SkipTable, L"x<table><<table></table>", 1, 16},
        {SkipTable, L"<table>never closed", 0, 19},
        {SkipTable, L"<tab", 0, 4},
        {SkipTable, L"<table>", 30, 7},
        {SkipRow, L"<tr><td><table><tr><td>x</td></tr></table></td></tr>", 0, 47},
        {SkipRow, L"<tr><tr></tr>x</tr>", 0, 14},
        {SkipRow, L"<tr><td>open", 0, 12},
        {SkipRow, L"<t", 0, 2},
        {SkipCell, L"<td><table><td>x</td></table>y</td>", 0, 30},
        {SkipCell, L"<td><table></td>", 0, 16},
        {SkipCell, L"<", 0, 1}};
    for (const auto& [skip, text, start, expected] : cases) {
        EXPECT_EQ(skip(text, start), expected) << text;
    }
}

TableCellCount Count(std::wstring_view text)
{
    const ColorScheme colors;
    const test::FakeSurface surface;
    return CountTableCells(StyleParser(colors, surface), text);
}

TEST(CountTableCellsTest, ColumnsAreTheWidestSumOfColumnSpansEvenInMalformedTables)
{
    const TableCellCount count = Count(L"<table><tr><td>a</td><td>b</td></tr><tr><td colspan=3>c</td></tr></table>");
    EXPECT_EQ(std::pair(count.columns, count.rows), std::pair(3, 2));
    const TableCellCount nested = Count(L"<table><tr><td rowspan=2><table><tr><td>x</td><td>y</td><td>z</td></tr>"
                                        L"</table></td><td>b</td></tr><tr><td>c</td></tr></table>");
    EXPECT_EQ(std::pair(nested.columns, nested.rows), std::pair(2, 2));
    EXPECT_EQ(Count(L"<table>").rows, 0);
    EXPECT_EQ(Count(L"<table><tr><td>a<td colspan=2>b").columns, 1); // the open cell runs to the end
    EXPECT_EQ(Count(L"<table><tr><td colspan=4").columns, 1); // a tag without ">" has no attributes
    EXPECT_EQ(Count(L"<table><tr><td></td><tr><td></td></tr></table>").rows, 1);
}

TEST(CountTableCellsTest, LargeTablesAreScannedInLinearTime)
{
    std::wstring text = L"<table><tr>";
    for (int i = 0; i < 200000; ++i) {
        text += L"<td>x</td>";
    }
    text += L"</tr>";
    for (int i = 0; i < 50000; ++i) {
        text += L"<tr><table>";
    }
    EXPECT_EQ(Count(text).columns, 200000);
    EXPECT_EQ(SkipRow(text, text.find(L"<tr><table>")), text.size());
}

} // namespace
} // namespace fennick
