#include <gtest/gtest.h>

#include <algorithm>
#include <cwchar>
#include <string>
#include <vector>

#include "controls/portable/CellComparison.h"

namespace fennick {
namespace {

// Stands in for the locale's comparison: plain code-unit order.
int CodeUnitOrder(const wchar_t* first, const wchar_t* second)
{
    return std::wcscmp(first, second);
}

std::vector<std::wstring> Sorted(std::vector<std::wstring> cells, bool ascending)
{
    std::stable_sort(cells.begin(), cells.end(), [ascending](const auto& a, const auto& b) {
        return CompareCells(a, b, ascending, CodeUnitOrder) < 0;
    });
    return cells;
}

TEST(CellKinds, NumberAndDateTextsAreRecognisedByTheirCharacters)
{
    const struct {
        const wchar_t* text;
        bool number;
        bool date;
    } cases[] = {
        {L"", true, false},
        {L"0123", true, false},
        {L"12a", false, false},
        {L"-1", false, false},
        {L" 1", false, false},
        {L"\xFF11", false, false}, // full-width one
        {L"05/03/2009", false, true},
        {L"5/03/2009", false, false},
        {L"05/03/20091", false, false},
        {L"05-03-2009", false, false},
        {L"05/03/200x", false, false},
        {L"0503/2009/", false, false},
    };
    for (const auto& c : cases) {
        const std::wstring text = c.text;
        EXPECT_EQ(IsNumberText(text), c.number) << ::testing::PrintToString(text);
        EXPECT_EQ(IsDateText(text), c.date) << ::testing::PrintToString(text);
    }
}

TEST(CellComparison, DatesOrderByYearThenMonthThenDay)
{
    const struct {
        const wchar_t* first;
        const wchar_t* second;
        int order;
    } cases[] = {
        {L"05/03/2009", L"01/04/2009", -1},
        {L"05/03/2009", L"31/12/2008", 1},
        {L"05/03/2009", L"04/03/2009", 1},
        {L"05/03/2009", L"05/03/2009", 0},
        // The second text is read where a date would have its parts.
        {L"05/03/2009", L"", 1},
        {L"05/03/2009", L"05/03", 1},
        {L"05/03/2009", L"05/03/2009 noon", 0},
        {L"00/00/0000", L"garbage", 0},
        {L"01/01/0000", L"garbage", 1},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(CompareDateTexts(c.first, c.second), c.order)
            << ::testing::PrintToString(std::wstring(c.first)) << " vs "
            << ::testing::PrintToString(std::wstring(c.second));
    }
}

TEST(CellComparison, ColumnsSortByTheirKindInBothDirections)
{
    const struct {
        std::vector<std::wstring> cells;
        std::vector<std::wstring> ascending;
    } columns[] = {
        {{L"10", L"9", L"100", L"0", L"007"}, {L"0", L"007", L"9", L"10", L"100"}},
        {{L"31/12/2008", L"05/03/2009", L"01/04/2009", L"01/01/2009"},
         {L"31/12/2008", L"01/01/2009", L"05/03/2009", L"01/04/2009"}},
        {{L"txt", L"cpp", L"h", L"Txt"}, {L"Txt", L"cpp", L"h", L"txt"}},
    };
    for (const auto& column : columns) {
        EXPECT_EQ(Sorted(column.cells, true), column.ascending);
        std::vector<std::wstring> descending = column.ascending;
        std::reverse(descending.begin(), descending.end());
        EXPECT_EQ(Sorted(column.cells, false), descending);
    }
}

TEST(CellComparison, DescendingExchangesTheOperandsSoTheKindFollowsTheOtherText)
{
    // An empty text is a number, so it reads "성공" as 0 too; the other way round the texts
    // are compared as text.
    EXPECT_EQ(CompareCells(L"", L"성공", true, CodeUnitOrder), 0);
    EXPECT_GT(CompareCells(L"", L"성공", false, CodeUnitOrder), 0);
    EXPECT_GT(CompareCells(L"성공", L"", true, CodeUnitOrder), 0);
    EXPECT_EQ(CompareCells(L"성공", L"", false, CodeUnitOrder), 0);
    // A date compared with a non-date sorts by the parts of the other text.
    EXPECT_EQ(CompareCells(L"05/03/2009", L"x", true, CodeUnitOrder), 1);
    EXPECT_EQ(CompareCells(L"05/03/2009", L"x", false, CodeUnitOrder),
              CodeUnitOrder(L"x", L"05/03/2009"));
}

} // namespace
} // namespace fennick
