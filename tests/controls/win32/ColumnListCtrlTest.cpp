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
using Texts = std::vector<std::wstring>;

// One column as the list shows it, top to bottom, after checking the stored texts agree.
Texts ShownColumn(const ColumnListCtrl& list, int column)
{
    Texts texts;
    for (int row = 0; row < list.RowCount(); ++row) {
        wchar_t text[260] = {};
        LVITEMW item{};
        item.iSubItem = column;
        item.pszText = text;
        item.cchTextMax = 260;
        list.Send(LVM_GETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
        texts.push_back(text);
        const Texts& stored = list.GetRowTexts(row);
        EXPECT_TRUE(static_cast<size_t>(column) < stored.size() && stored[static_cast<size_t>(column)] == text)
            << "stored texts differ in row " << row;
    }
    return texts;
}

// "name:width" of every column the list shows.
Texts ShownColumns(const ColumnListCtrl& list)
{
    Texts columns;
    wchar_t name[64] = {};
    LVCOLUMNW column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH;
    column.pszText = name;
    column.cchTextMax = 64;
    while (list.Send(LVM_GETCOLUMNW, columns.size(), reinterpret_cast<LPARAM>(&column)))
        columns.push_back(std::wstring(name) + L':' + std::to_wstring(column.cx));
    return columns;
}

TEST(ColumnListCtrl, MakesTheColumnsTheSpecificationDescribesAfterAnyBefore)
{
    RunProbe(
        [](ControlsProbeDialog& dialog) {
            EXPECT_TRUE(dialog.columnsSet);
            EXPECT_TRUE(dialog.list.SetColumns(L"a;b,10;tail"));
            EXPECT_EQ(dialog.list.ColumnCount(), 3);
            EXPECT_EQ(ShownColumns(dialog.list), (Texts{L"파일 또는 폴더:380", L"결과:0", L"a;b:10"}));
        },
        L"파일 또는 폴더,380;결과,x");
}

TEST(ColumnListCtrl, RowsKeepTheirOwnCopiesOfTheTextsShown)
{
    RunProbe([](ControlsProbeDialog& dialog) {
        ColumnListCtrl& list = dialog.list;
        EXPECT_EQ(list.AddRow({L"가.txt", L"3", L"05/03/2009"}), 0);
        EXPECT_EQ(list.AddRow({L"나.cpp", L"", L""}), 1);
        EXPECT_EQ(list.AddRow({L"too", L"few"}), -1);
        EXPECT_EQ(list.AddRow({L"too", L"many", L"texts", L"here"}), -1);
        EXPECT_EQ(ShownColumn(list, 0), (Texts{L"가.txt", L"나.cpp"}));
        EXPECT_EQ(list.GetRowTexts(0), (Texts{L"가.txt", L"3", L"05/03/2009"}));

        EXPECT_TRUE(list.SetCellText(1, 1, L"성공"));
        EXPECT_FALSE(list.SetCellText(1, 3, L"no such column"));
        EXPECT_FALSE(list.SetCellText(-1, 0, L"no such row"));
        EXPECT_EQ(ShownColumn(list, 1), (Texts{L"3", L"성공"}));
        EXPECT_TRUE(list.GetRowTexts(7).empty());

        list.SetCheck(1, true);
        EXPECT_FALSE(list.GetCheck(0));
        EXPECT_TRUE(list.GetCheck(1));

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

        ClickHeaderItem(header, 1);
        EXPECT_EQ(ShownColumn(list, 1), (Texts{L"9", L"10", L"100"}));
        EXPECT_TRUE(list.GetCheck(2)); // the tick moves with its row
        ClickHeaderItem(header, 1);
        EXPECT_EQ(ShownColumn(list, 1), (Texts{L"100", L"10", L"9"}));
        EXPECT_EQ(list.Header().SortColumn(), 1);
        EXPECT_FALSE(list.Header().SortAscending());

        ClickHeaderItem(header, 2);
        EXPECT_EQ(ShownColumn(list, 2), (Texts{L"31/12/2008", L"05/03/2009", L"01/04/2009"}));
        // The user locale's order, not the code units': "apple" before "Banana".
        ClickHeaderItem(header, 0);
        EXPECT_EQ(ShownColumn(list, 0), (Texts{L"apple", L"Banana", L"cherry"}));

        // New texts count at the next sort; new rows wait at the end until then.
        ASSERT_TRUE(list.SetCellText(0, 0, L"date"));
        list.AddRow({L"0 first", L"1", L"01/01/2000"});
        EXPECT_EQ(ShownColumn(list, 0), (Texts{L"date", L"Banana", L"cherry", L"0 first"}));
        ClickHeaderItem(header, 0);
        EXPECT_EQ(ShownColumn(list, 0), (Texts{L"date", L"cherry", L"Banana", L"0 first"}));

        EXPECT_FALSE(list.SortByColumn(3, true));
        EXPECT_EQ(list.Header().SortColumn(), 0);
    });
}

TEST(ColumnListCtrl, ReleasesTheRowsTextsWhenRowsGoOrTheWindowCloses)
{
    constexpr int kRows = 12;
    const std::wstring longText(40, L'x'); // beyond any small-string buffer
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
