#include "tests/markup/support/DrawerTest.h"

#include <gtest/gtest.h>

#include <string>

namespace fennick {
namespace {

using test::DrawCall;
using test::DrawKind;

// The body font is 10 pixels: characters 5 wide, lines 10 high. Cells have no padding.
class TableLayoutTest : public test::DrawerTest {
protected:
    TableLayoutTest() : DrawerTest(10) { drawer.Language().Styles().SetStyleClass(L"table", L"margin: 0"); }

    const TableLayout& Table() const { return drawer.Tables().at(0); }
};

TEST_F(TableLayoutTest, ColumnsAndRowsAreSettledNarrowSpansFirst)
{
    // markup; column widths and row heights after measuring
    const std::tuple<const wchar_t*, std::vector<int>, std::vector<int>> cases[] = {
        {L"<table><tr><td>aaaaaaaa</td><td>aaaaaaaaaaaa</td></tr></table>", {40, 60}, {10}},
        {L"<table><tr><td>aa</td><td>aa</td><td>aa</td></tr><tr><td colspan=3>aaaaaaaa</td></tr></table>",
         {13, 13, 14},
         {10, 10}},
        {L"<table><tr><td rowspan=2 height=31>a</td><td>b</td></tr><tr><td>c</td></tr></table>", {5, 5}, {16, 15}},
        // a cell spanning rows and columns covers its whole block; a row needing more columns gets them
        {L"<table><tr><td rowspan=2 colspan=2>a</td><td>b</td></tr><tr><td>c</td><td>d</td></tr></table>",
         {2, 3, 5, 5},
         {10, 10}},
    };
    for (const auto& [text, columnWidths, rowHeights] : cases) {
        Measure(text);
        EXPECT_EQ(std::pair(Table().columnWidths, Table().rowHeights), std::pair(columnWidths, rowHeights))
            << testing::PrintToString(std::wstring(text));
    }
}

TEST_F(TableLayoutTest, ExtraWidthGoesToColumnsWithoutAWidthOrPlacesTheTable)
{
    EXPECT_EQ(Measure(L"<table><tr><td>aaaaaaaa</td><td>aaaaaaaaaaaa</td></tr></table>"), (PixelSize{102, 11}));
    for (int drawing = 0; drawing < 2; ++drawing) { // the 102 more split evenly, every time
        const std::vector<DrawCall> texts = Draw({0, 0, 203, 11});
        EXPECT_EQ(std::pair(texts[0].rect.left, texts[1].rect.left), std::pair(0, 40 + 51 + 1));
    }
    EXPECT_EQ(Draw({0, 0, 103, 11}).at(1).rect.left, 40 + 1 + 1);

    Measure(L"<table><tr><td width=50>a</td><td bgcolor=red>b</td></tr></table>");
    EXPECT_EQ(Draw({0, 0, 200, 11}, DrawKind::Fill).at(0).rect, (PixelRect{51, 0, 200, 10}));

    const std::pair<const wchar_t*, int> placed[] = {{L"", 0}, {L"align=center", 75}, {L"align=right", 150}};
    for (const auto& [attributes, left] : placed) {
        Measure(L"<table " + std::wstring(attributes) + L"><tr><td width=50>aaaaaaaaaa</td></tr></table>");
        EXPECT_EQ(Draw({0, 0, 200, 11}).at(0).rect.left, left) << attributes;
    }
}

TEST_F(TableLayoutTest, BordersBackgroundsAndCellRectangles)
{
    // A double border 2 wide and a spacing of 3; the cells take the border, one pixel wide.
    drawer.Language().Styles().SetStyleClass(L"table", L"margin: 0; padding: 3; border-width: 2; border-style: double");
    const std::wstring text = L"<table><tr><td bgcolor=blue bordercolorlight=lime>aa<br>aa<br>aa</td>"
                              L"<td valign=bottom>b<br>c</td></tr></table>";
    // columns 12 and 7 and a row of 32 with their borders; three spacings and a gap; 12 of double border
    EXPECT_EQ(Measure(text), (PixelSize{12 + 7 + 3 * 3 + 1 + 12 + 1, 32 + 2 * 3 + 12 + 1}));
    const std::vector<DrawCall> fills = Draw({0, 0, 42, 51}, DrawKind::Fill);
    ASSERT_EQ(fills.size(), 1u);
    EXPECT_EQ(std::pair(fills[0].rect, fills[0].color), std::pair(PixelRect{9, 9, 21, 41}, Rgb(0, 0, 255)));
    const std::vector<DrawCall> borders = surface.CallsOf(DrawKind::Border);
    ASSERT_EQ(borders.size(), 3u);
    EXPECT_EQ(std::tuple(borders[0].rect, borders[0].style, borders[0].width),
              std::tuple(PixelRect{0, 0, 42, 50}, int{BorderDouble}, 2));
    EXPECT_EQ(std::tuple(borders[1].color, borders[1].darkColor, borders[1].width), std::tuple(0u, Rgb(0, 255, 0), 1));
    EXPECT_EQ(borders[2].rect, (PixelRect{25, 9, 33, 41})); // the second column took the one pixel left
    EXPECT_EQ(surface.CallsOf(DrawKind::Text).at(3).rect, (PixelRect{26, 20, 31, 30})); // at the cell's bottom

    drawer.Language().Styles().SetStyleClass(L"table", L"margin: 0");
    Measure(L"<table bgcolor=red><tr><td>z</td></tr></table>");
    const DrawCall tableFill = Draw({0, 0, 100, 100}, DrawKind::Fill).at(0);
    EXPECT_EQ(std::pair(tableFill.rect, tableFill.color), std::pair(PixelRect{0, 0, 100, 10}, Rgb(255, 0, 0)));
}

TEST_F(TableLayoutTest, TagsAreMatchedByPrefixAndADoubledBracketMakesText)
{
    const std::tuple<const wchar_t*, std::size_t, std::vector<std::wstring>> cases[] = {
        {L"<tablex><trx><tdx>a</tdx></trx></tablex>b", 1, {L"a", L"b"}},
        {L"<<table><tr><td>a</td></tr></table>", 0, {L"<table>", L"a"}},
        {L"<<<table><tr><td>a</td></tr></table>", 1, {L"<", L"a"}},
        {L"<table><tr><td colspan=4", 1, {}}, // without its ">" no cell: text between cells is ignored
        {L"<table><tr><td>a<table><tr><td>b</td></tr></table>c</td>x<td>d", 2, {L"a", L"b", L"c", L"d"}},
    };
    for (const auto& [text, tables, texts] : cases) {
        Measure(text);
        const std::vector<std::wstring> drawn = DrawnTexts({0, 0, 200, 100});
        EXPECT_EQ(std::pair(drawer.Tables().size(), drawn), std::pair(tables, texts))
            << testing::PrintToString(std::wstring(text));
    }
}

TEST_F(TableLayoutTest, TagsLeftOpenInACellEndWithIt)
{
    Measure(L"<table><tr><td><font color=red>a</td><td>b</td></tr></table>c");
    const std::vector<DrawCall> texts = Draw({0, 0, 100, 100});
    EXPECT_EQ(std::tuple(texts[0].color, texts[1].color, texts[2].color), std::tuple(Rgb(255, 0, 0), 0u, 0u));
}

TEST_F(TableLayoutTest, HugeAndDeepTablesStayBounded)
{
    std::wstring wide = L"<table>";
    for (int row = 0; row < 20000; ++row) {
        wide += L"<tr><td colspan=1000>x</td></tr>";
    }
    Measure(wide + L"</table>");
    EXPECT_EQ(Table().Rows(), 20000);
    EXPECT_LE(static_cast<std::int64_t>(Table().cells.size()), kMaxTableSlots);
    EXPECT_EQ(Draw({0, 0, 1000, 1000}).size(), 20000u);

    std::wstring deep;
    for (int level = 0; level < 5000; ++level) {
        deep += L"<table><tr><td>x";
    }
    Measure(deep);
    EXPECT_EQ(drawer.Tables().size(), static_cast<std::size_t>(kMaxTableNesting));
    EXPECT_EQ(Draw({0, 0, 100000, 100000}).size(), 5000u) << "deeper tables show as text";
}

} // namespace
} // namespace fennick
