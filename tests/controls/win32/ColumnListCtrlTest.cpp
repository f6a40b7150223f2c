#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "tests/controls/win32/AllocationCounter.h"
#include "tests/controls/win32/ControlsProbeDialog.h"
#include "tests/support/win32/ListDriving.h"

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
        EXPECT_EQ(list.GetRowTexts(row).at(static_cast<size_t>(column)), text) << "stored text of row " << row;
    }
    return texts;
}

TEST(ColumnListCtrl, HeaderClicksSortByNumberDateOrTextAndAlternateTheDirection)
{
    RunProbe([](ControlsProbeDialog& dialog) {
        ColumnListCtrl& list = dialog.list;
        EXPECT_TRUE(dialog.columnsSet);
        list.AddRow({L"cherry", L"9", L"05/03/2009"});
        list.AddRow({L"Banana", L"100", L"31/12/2008"});
        list.AddRow({L"apple", L"10", L"01/04/2009"});
        EXPECT_EQ(list.AddRow({L"too", L"few"}), -1);
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

int SelectedRow(const ColumnListCtrl& list)
{
    return static_cast<int>(list.Send(LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}

// The list view keeps no rows of its own: what any reader asks it comes from the rows here.
TEST(ColumnListCtrl, BoxClicksTheSpaceBarAndTypingWorkOnRowsTheListViewDoesNotHold)
{
    RunProbe([](ControlsProbeDialog& dialog) {
        ColumnListCtrl& list = dialog.list;
        for (const wchar_t* name : {L"c", L"a", L"b"})
            list.AddRow({name, L"1", L""});
        EXPECT_EQ(list.Send(LVM_GETITEMCOUNT), 3);

        testing::ClickCheckBox(list.Handle(), 1);
        EXPECT_TRUE(list.GetCheck(1));
        testing::PressSpaceOnRow(list.Handle(), 2);
        EXPECT_EQ(testing::Ticks(list.Handle()), (std::vector<bool>{false, true, true}));
        testing::ClickCheckBox(list.Handle(), 1);
        EXPECT_EQ(testing::Ticks(list.Handle()), (std::vector<bool>{false, false, true}));

        // Row "b" has the selection and the tick; both go with it to its sorted place.
        ASSERT_EQ(SelectedRow(list), 2);
        ASSERT_TRUE(list.SortByColumn(0, true));
        EXPECT_EQ(testing::ColumnTexts(list.Handle(), 0), (Texts{L"a", L"b", L"c"}));
        EXPECT_EQ(SelectedRow(list), 1);
        EXPECT_EQ(testing::Ticks(list.Handle()), (std::vector<bool>{false, true, false}));

        // Typing a row's first letter, whatever its case, moves the focus there.
        list.Send(WM_CHAR, L'C', 1); // a repeat count of one, as a key press has
        EXPECT_EQ(list.Send(LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_FOCUSED), 2);
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
        EXPECT_EQ(dialog.list.RowCount(), 0);
        EXPECT_LT(testing::LiveAllocations() - before, kRows);
    });

    const std::ptrdiff_t beforeDialog = testing::LiveAllocations();
    RunProbe([&](ControlsProbeDialog& dialog) { addRows(dialog.list); });
    EXPECT_LT(testing::LiveAllocations() - beforeDialog, kRows);
}

} // namespace
} // namespace fennick
