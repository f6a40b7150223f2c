#include "markup/portable/TableScan.h"
#include "tests/markup/support/FakeSurface.h"

#include "tests/markup/support/Printable.h"

#include <gtest/gtest.h>

#include <string>

namespace fennick {
namespace {

std::size_t Found(std::wstring_view text, std::size_t from, std::wstring_view name)
{
    FindTag(text, from, name);
    return from;
}

TEST(FindTagTest, SkipsEscapedTagsAndMatchesByPrefix)
{
    EXPECT_EQ(Found(L"ab<<table><table>", 0, L"table"), 10u);
    EXPECT_EQ(Found(L"<<table>", 0, L"table"), 8u);
    EXPECT_EQ(Found(L"x<tdx>", 0, L"td"), 1u);
    EXPECT_EQ(Found(L"<td></td>", 1, L"td"), 9u);
    EXPECT_EQ(Found(L"<td></td>", 1, L"/td"), 4u);
    std::size_t past = 20;
    EXPECT_FALSE(FindTag(L"<td>", past, L"td"));
    EXPECT_EQ(past, 20u);
}

struct SkipCase {
    const wchar_t* text;
    std::size_t start;
    std::size_t expected;
};

void PrintTo(const SkipCase& c, std::ostream* out)
{
    *out << test::Printable(c.text) << " at " << c.start;
}

class SkipTableTest : public testing::TestWithParam<SkipCase> { };

TEST_P(SkipTableTest, FindsTheMatchingEnd)
{
    EXPECT_EQ(SkipTable(GetParam().text, GetParam().start), GetParam().expected) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(Tables, SkipTableTest,
    testing::Values(SkipCase{L"<table>a</table>", 0, 8}, SkipCase{L"<table><table>b</table>c</table>d", 0, 24},
        SkipCase{L"x<table><<table></table>", 1, 16}, SkipCase{L"<table>never closed", 0, 19}, SkipCase{L"<tab", 0, 4},
        SkipCase{L"", 0, 0}, SkipCase{L"<table>", 30, 7}));

class SkipRowTest : public testing::TestWithParam<SkipCase> { };

TEST_P(SkipRowTest, FindsTheMatchingEnd)
{
    EXPECT_EQ(SkipRow(GetParam().text, GetParam().start), GetParam().expected) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(Rows, SkipRowTest,
    testing::Values(SkipCase{L"<tr><td>a</td></tr>", 0, 14},
        SkipCase{L"<tr><td><table><tr><td>x</td></tr></table></td></tr>", 0, 47},
        SkipCase{L"<tr><tr></tr>x</tr>", 0, 14}, SkipCase{L"<tr><td>open", 0, 12}, SkipCase{L"<t", 0, 2}));

class SkipCellTest : public testing::TestWithParam<SkipCase> { };

TEST_P(SkipCellTest, FindsTheMatchingEnd)
{
    EXPECT_EQ(SkipCell(GetParam().text, GetParam().start), GetParam().expected) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(Cells, SkipCellTest,
    testing::Values(SkipCase{L"<td>a</td>", 0, 5}, SkipCase{L"<td><table><td>x</td></table>y</td>", 0, 30},
        SkipCase{L"<td>open", 0, 8}, SkipCase{L"<td><table></td>", 0, 16}, SkipCase{L"<", 0, 1}));

class CountTableCellsTest : public testing::Test {
protected:
    TableCellCount Count(std::wstring_view text) { return CountTableCells(parser, text); }

    ColorScheme colors;
    test::FakeSurface surface;
    StyleParser parser{colors, surface};
};

TEST_F(CountTableCellsTest, ColumnsAreTheWidestSumOfColumnSpans)
{
    const TableCellCount count = Count(L"<table><tr><td>a</td><td>b</td></tr><tr><td colspan=3>c</td></tr></table>");
    EXPECT_EQ(count.columns, 3);
    EXPECT_EQ(count.rows, 2);
}

TEST_F(CountTableCellsTest, NestedTablesAndRowSpansDoNotCount)
{
    const TableCellCount count = Count(L"<table><tr><td rowspan=2><table><tr><td>x</td><td>y</td><td>z</td></tr>"
                                       L"</table></td><td>b</td></tr><tr><td>c</td></tr></table>");
    EXPECT_EQ(count.columns, 2);
    EXPECT_EQ(count.rows, 2);
}

TEST_F(CountTableCellsTest, MalformedTablesStillCount)
{
    EXPECT_EQ(Count(L"<table>").rows, 0);
    EXPECT_EQ(Count(L"<table><tr><td>a<td colspan=2>b").columns, 1); // the open cell runs to the end
    EXPECT_EQ(Count(L"<table><tr><td colspan=4").columns, 1); // a tag without ">" has no attributes
    const TableCellCount unclosedRow = Count(L"<table><tr><td></td><tr><td></td><td></td></tr></table>");
    EXPECT_EQ(unclosedRow.rows, 1); // the second row tag lies inside the first row
    EXPECT_EQ(unclosedRow.columns, 3);
}

TEST_F(CountTableCellsTest, LargeTablesAreScannedInLinearTime)
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
    EXPECT_EQ(SkipTable(text, text.find(L"<table>", 10)), text.size());
}

} // namespace
} // namespace fennick
