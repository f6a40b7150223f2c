#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "tests/controls/win32/AllocationCounter.h"
#include "tests/controls/win32/ControlsProbeDialog.h"

namespace fennick {
namespace {

using testing::ClickHeaderItem;
using testing::ControlsProbeDialog;
using testing::RunProbe;

std::wstring ShownText(const ColumnListCtrl& list, int row, int column)
{
    wchar_t text[260] = {};
    LVITEMW item{};
    item.iSubItem = column;
    item.pszText = text;
    item.cchTextMax = 260;
    list.Send(LVM_GETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
    return text;
}

// One column as shown, top to bottom, after checking that the stored texts agree.
std::vector<std::wstring> ShownColumn(const ColumnListCtrl& list, int column)
{
    std::vector<std::wstring> texts;
    for (int row = 0; row < list.RowCount(); ++row) {
        texts.push_back(ShownText(list, row, column));
        EXPECT_EQ(list.GetRowTexts(row).at(static_cast<size_t>(column)), texts.back()) << "row " << row;
    }
    return texts;
}

struct ShownColumnHeader {
    std::wstring name;
    int width;
    bool operator==(const ShownColumnHeader&) const = default;
};

std::vector<ShownColumnHeader> ShownColumns(const ColumnListCtrl& list)
{
    std::vector<ShownColumnHeader> columns;
    for (int index = 0;; ++index) {
        wchar_t name[64] = {};
        LVCOLUMNW column{};
        column.mask = LVCF_TEXT | LVCF_WIDTH;
        column.pszText = name;
        column.cchTextMax = 64;
        if (!list.Send(LVM_GETCOLUMNW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&column)))
            return columns;
        columns.push_back({name, column.cx});
    }
}

TEST(ColumnListCtrl, MakesTheColumnsTheSpecificationDescribes)
{
    const struct {
        const wchar_t* spec;
        std::vector<ShownColumnHeader> columns;
    } cases[] = {
        {L"파일 또는 폴더,380;결과,60", {{L"파일 또는 폴더", 380}, {L"결과", 60}}},
        {L"a;b,10;tail", {{L"a;b", 10}}},
        {L"확장자,75;개수,x", {{L"확장자", 75}, {L"개수", 0}}},
    };
    for (const auto& c : cases) {
        RunProbe(
            [&](ControlsProbeDialog& dialog) {
                EXPECT_TRUE(dialog.columnsSet);
                EXPECT_EQ(dialog.list.ColumnCount(), static_cast<int>(c.columns.size()));
                EXPECT_TRUE(ShownColumns(dialog.list) == c.columns) << "spec " << ::testing::PrintToString(std::wstring(c.spec));
                // Later columns go after the first ones.
                EXPECT_TRUE(dialog.list.SetColumns(L"뒤,33"));
                EXPECT_EQ(dialog.list.ColumnCount(), static_cast<int>(c.columns.size()) + 1);
                EXPECT_EQ(ShownColumns(dialog.list).back(), (ShownColumnHeader{L"뒤", 33}));
            },
            c.spec);
    }
}

TEST(ColumnListCtrl, RowsKeepTheirOwnCopiesOfTheTextsShown)
{
    RunProbe([](ControlsProbeDialog& dialog) {
        ColumnListCtrl& list = dialog.list;
        EXPECT_EQ(list.AddRow({L"가.txt", L"3", L"05/03/2009"}), 0);
        EXPECT_EQ(list.AddRow({L"나.cpp", L"", L""}), 1);
        EXPECT_EQ(list.AddRow({L"too", L"few"}), -1);
        EXPECT_EQ(list.AddRow({L"too", L"many", L"texts", L"here"}), -1);
        ASSERT_EQ(list.RowCount(), 2);
        EXPECT_EQ(list.GetRowTexts(0), (std::vector<std::wstring>{L"가.txt", L"3", L"05/03/2009"}));
        EXPECT_EQ(ShownColumn(list, 2), (std::vector<std::wstring>{L"05/03/2009", L""}));

        EXPECT_TRUE(list.SetCellText(1, 1, L"성공"));
        EXPECT_EQ(ShownText(list, 1, 1), L"성공");
        EXPECT_EQ(list.GetRowTexts(1)[1], L"성공");
        EXPECT_FALSE(list.SetCellText(1, 3, L"no such column"));
        EXPECT_FALSE(list.SetCellText(5, 0, L"no such row"));
        EXPECT_FALSE(list.SetCellText(-1, 0, L"no such row"));
        EXPECT_EQ(list.GetRowTexts(1), (std::vector<std::wstring>{L"나.cpp", L"성공", L""}));
        EXPECT_TRUE(list.GetRowTexts(7).empty());

        list.SetCheck(1, true);
        EXPECT_FALSE(list.GetCheck(0));
        EXPECT_TRUE(list.GetCheck(1));
        list.SetCheck(1, false);
        EXPECT_FALSE(list.GetCheck(1));

        EXPECT_TRUE(list.DeleteAllRows());
        EXPECT_EQ(list.RowCount(), 0);
        EXPECT_EQ(list.AddRow({L"다시", L"1", L""}), 0);
    });
}

TEST(ColumnListCtrl, HeaderClicksSortByNumberDateOrTextAndAlternateTheDirection)
{
    RunProbe([](ControlsProbeDialog& dialog) {
        ColumnListCtrl& list = dialog.list;
        list.AddRow({L"cherry", L"9", L"05/03/2009"});
        list.AddRow({L"Banana", L"100", L"31/12/2008"});
        list.AddRow({L"apple", L"10", L"01/04/2009"});
        list.SetCheck(1, true); // Banana's
        HWND header = list.Header().Handle();
        ASSERT_NE(header, nullptr);
        EXPECT_EQ(list.Header().SortColumn(), -1);

        ClickHeaderItem(header, 1);
        EXPECT_EQ(ShownColumn(list, 1), (std::vector<std::wstring>{L"9", L"10", L"100"}));
        EXPECT_EQ(list.Header().SortColumn(), 1);
        EXPECT_TRUE(list.Header().SortAscending());
        EXPECT_TRUE(list.GetCheck(2)); // the tick moves with its row

        ClickHeaderItem(header, 1);
        EXPECT_EQ(ShownColumn(list, 1), (std::vector<std::wstring>{L"100", L"10", L"9"}));
        EXPECT_FALSE(list.Header().SortAscending());
        EXPECT_TRUE(list.GetCheck(0));

        ClickHeaderItem(header, 2);
        EXPECT_EQ(ShownColumn(list, 2), (std::vector<std::wstring>{L"31/12/2008", L"05/03/2009", L"01/04/2009"}));
        EXPECT_EQ(list.Header().SortColumn(), 2);
        EXPECT_TRUE(list.Header().SortAscending());

        // The user locale's order, not the code units': "apple" before "Banana".
        ClickHeaderItem(header, 0);
        EXPECT_EQ(ShownColumn(list, 0), (std::vector<std::wstring>{L"apple", L"Banana", L"cherry"}));

        // New texts count at the next sort; new rows wait at the end until then.
        ASSERT_TRUE(list.SetCellText(0, 0, L"date"));
        list.AddRow({L"0 first", L"1", L"01/01/2000"});
        EXPECT_EQ(ShownColumn(list, 0).back(), L"0 first");
        ClickHeaderItem(header, 0);
        EXPECT_EQ(ShownColumn(list, 0), (std::vector<std::wstring>{L"date", L"cherry", L"Banana", L"0 first"}));
    });
}

TEST(ColumnListCtrl, SortingRefusesAColumnItDoesNotHave)
{
    RunProbe([](ControlsProbeDialog& dialog) {
        dialog.list.AddRow({L"a", L"1", L""});
        dialog.list.AddRow({L"b", L"2", L""});
        EXPECT_FALSE(dialog.list.SortByColumn(3, true));
        EXPECT_FALSE(dialog.list.SortByColumn(-1, true));
        EXPECT_EQ(dialog.list.Header().SortColumn(), -1);
        EXPECT_TRUE(dialog.list.SortByColumn(1, false));
        EXPECT_EQ(ShownColumn(dialog.list, 0), (std::vector<std::wstring>{L"b", L"a"}));
    });
}

TEST(ColumnListCtrl, ReleasesTheRowsTextsWhenRowsGoOrTheWindowCloses)
{
    constexpr int kRows = 40;
    const std::wstring longText(300, L'x'); // beyond any small-string buffer
    auto addRows = [&](ColumnListCtrl& list) {
        for (int i = 0; i < kRows; ++i)
            list.AddRow({longText, longText, longText});
    };

    RunProbe([&](ControlsProbeDialog& dialog) {
        const std::ptrdiff_t before = testing::LiveAllocations();
        addRows(dialog.list);
        EXPECT_GE(testing::LiveAllocations() - before, kRows * 4);
        EXPECT_TRUE(dialog.list.DeleteAllRows());
        EXPECT_LT(testing::LiveAllocations() - before, kRows);
    });

    const std::ptrdiff_t beforeDialog = testing::LiveAllocations();
    RunProbe([&](ControlsProbeDialog& dialog) { addRows(dialog.list); });
    EXPECT_LT(testing::LiveAllocations() - beforeDialog, kRows);
}

} // namespace
} // namespace fennick
