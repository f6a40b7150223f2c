#include <gtest/gtest.h>

#include <string>

#include "controls/portable/ColumnSort.h"
#include "controls/portable/ColumnSpec.h"
#include "controls/portable/HeaderWidthArchive.h"

namespace fennick {
namespace {

using ::testing::PrintToString;

TEST(ColumnSpec, GivesTheDescribedColumns)
{
    const struct {
        const wchar_t* spec;
        std::vector<ColumnDescription> columns;
    } cases[] = {
        {L"파일 또는 폴더,380;결과,60", {{L"파일 또는 폴더", 380}, {L"결과", 60}}},
        {L"", {}},
        {L"a", {}},
        {L"a,10;tail", {{L"a", 10}}},
        {L"a;b,10", {{L"a;b", 10}}},
        {L"a,x;b, 12px;c,-3", {{L"a", 0}, {L"b", 12}, {L"c", -3}}},
        {L"a,1,2;b,3", {{L"a", 1}, {L"b", 3}}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ParseColumnSpec(c.spec), c.columns) << PrintToString(std::wstring(c.spec));
}

TEST(HeaderWidthArchive, KeepsTheCountThenEachWidthAndGivesNothingForAnotherCount)
{
    using Bytes = std::vector<std::uint8_t>;
    Archive archive;
    StoreHeaderWidths(archive, {75, 0x01020304, -1});
    EXPECT_EQ(archive.Bytes(), (Bytes{3, 0, 0, 0, 75, 0, 0, 0, 4, 3, 2, 1, 0xFF, 0xFF, 0xFF, 0xFF}));
    Archive loading(archive.Bytes());
    EXPECT_EQ(LoadHeaderWidths(loading, 3), (std::vector<int>{75, 0x01020304, -1}));

    // More widths than items, cut short, nothing: never part of a list.
    for (const Bytes& bytes :
         {Bytes{3, 0, 0, 0, 1, 0, 0, 0, 2, 0, 0, 0, 3, 0, 0, 0}, Bytes{2, 0, 0, 0, 1, 0, 0, 0, 2, 0}, Bytes{}}) {
        Archive stored(bytes);
        EXPECT_EQ(LoadHeaderWidths(stored, 2), std::nullopt) << PrintToString(bytes);
    }
    // A mismatch reads the count only; what follows stays for the next reader.
    Archive mismatched(Bytes{2, 0, 0, 0, 10, 0, 0, 0, 20, 0, 0, 0});
    EXPECT_EQ(LoadHeaderWidths(mismatched, 3), std::nullopt);
    EXPECT_EQ(mismatched.ReadInt32(), 10);
}

// Code-unit order stands in for the locale's: the rule under test is which kind a column gets.
std::string CodeUnitKey(std::wstring_view text)
{
    std::string key;
    for (const wchar_t unit : text)
        key += {static_cast<char>(unit >> 8), static_cast<char>(unit & 0xFF)};
    return key;
}

std::vector<std::wstring> Sorted(const std::vector<std::wstring_view>& cells, bool ascending)
{
    std::vector<std::wstring> texts;
    for (const size_t row : SortedRowOrder(cells, ascending, CodeUnitKey))
        texts.emplace_back(cells[row]);
    return texts;
}

// One kind for the whole column, so every mix of cells sorts to one order, the same whichever
// row comes first, and descending is ascending reversed but for equal cells, which keep their
// order both ways.
TEST(ColumnSort, ChoosesNumbersDatesOrTextOnceForTheWholeColumn)
{
    using Texts = std::vector<std::wstring>;
    const struct {
        std::vector<std::wstring_view> cells;
        Texts ascending;
    } cases[] = {
        {{L"10", L"9", L"", L"08"}, {L"", L"08", L"9", L"10"}},
        {{L"123456789012345678902", L"99999999999999999999", L"123456789012345678901"},
         {L"99999999999999999999", L"123456789012345678901", L"123456789012345678902"}},
        // One text among numbers makes the column text: no pair is compared two ways.
        {{L"9", L"10", L"1a"}, {L"10", L"1a", L"9"}},
        {{L"3", L"-5", L"10"}, {L"-5", L"10", L"3"}},
        {{L"성공", L"", L"실패", L"", L"성공"}, {L"", L"", L"성공", L"성공", L"실패"}},
        {{L"05/03/2009", L"", L"01/04/2009", L"31/12/2008"}, {L"", L"31/12/2008", L"05/03/2009", L"01/04/2009"}},
        {{L"05/03/2009", L"5/03/2009", L"31/12/2008"}, {L"05/03/2009", L"31/12/2008", L"5/03/2009"}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Sorted(c.cells, true), c.ascending) << PrintToString(c.ascending);
        Texts reversed(c.ascending.rbegin(), c.ascending.rend());
        EXPECT_EQ(Sorted(c.cells, false), reversed) << PrintToString(c.ascending);
    }
}

TEST(ColumnSort, EqualCellsKeepTheirRowOrderInBothDirections)
{
    const std::vector<std::wstring_view> cells{L"7", L"1", L"007", L"01"};
    EXPECT_EQ(SortedRowOrder(cells, true, CodeUnitKey), (std::vector<size_t>{1, 3, 0, 2}));
    EXPECT_EQ(SortedRowOrder(cells, false, CodeUnitKey), (std::vector<size_t>{0, 2, 1, 3}));
}

} // namespace
} // namespace fennick
