#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <string>
#include <vector>

#include "controls/portable/HeaderWidthArchive.h"
#include "framework/win32/GdiHandles.h"
#include "tests/controls/win32/ControlsProbeDialog.h"
#include "tests/controls/win32/WindowPixels.h"
#include "tests/support/win32/ListDriving.h"
#include "tests/support/win32/Pointer.h"

namespace fennick {
namespace {

using testing::ColumnTexts;
using testing::ControlsProbeDialog;
using testing::RunProbe;
using testing::Ticks;
using testing::WindowPixels;
using Texts = std::vector<std::wstring>;

RECT HeaderItemRect(HWND header, int item)
{
    RECT rect{};
    EXPECT_TRUE(SendMessageW(header, HDM_GETITEMRECT, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(&rect)));
    return rect;
}

void ClickHeaderItem(HWND header, int item)
{
    const RECT rect = HeaderItemRect(header, item);
    testing::ClickAt(header, (rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
}

TEST(ColumnListCtrl, HeaderClicksSortByNumberOrTextAndAlternateTheDirection)
{
    RunProbe([](ControlsProbeDialog& dialog) {
        ColumnListCtrl& list = dialog.list;
        list.AddRow({L"cherry", L"9", L"05/03/2009"});
        list.AddRow({L"Banana", L"100", L"31/12/2008"});
        list.AddRow({L"apple", L"10", L"01/04/2009"});
        EXPECT_EQ(list.AddRow({L"too", L"few"}), -1);
        list.SetCheck(1, true); // Banana's
        HWND header = list.Header().Handle();

        EXPECT_EQ(std::pair(list.Header().SortColumn(), list.Header().SortAscending()), std::pair(-1, true));
        ClickHeaderItem(header, 1);
        EXPECT_EQ(ColumnTexts(list.Handle(), 1), (Texts{L"9", L"10", L"100"}));
        EXPECT_TRUE(list.GetCheck(2)); // the tick moves with its row
        ClickHeaderItem(header, 1);
        EXPECT_EQ(ColumnTexts(list.Handle(), 1), (Texts{L"100", L"10", L"9"}));
        EXPECT_EQ(std::pair(list.Header().SortColumn(), list.Header().SortAscending()), std::pair(1, false));
        EXPECT_EQ(list.GetRowTexts(0), (Texts{L"Banana", L"100", L"31/12/2008"}));

        // The user locale's order, not the code units': "apple" before "Banana".
        ClickHeaderItem(header, 0);
        EXPECT_EQ(ColumnTexts(list.Handle(), 0), (Texts{L"apple", L"Banana", L"cherry"}));

        // New texts count at the next sort; new rows wait at the end until then.
        ASSERT_TRUE(list.SetCellText(0, 0, L"date"));
        list.AddRow({L"0 first", L"1", L"01/01/2000"});
        EXPECT_EQ(ColumnTexts(list.Handle(), 0), (Texts{L"date", L"Banana", L"cherry", L"0 first"}));
        ClickHeaderItem(header, 0);
        EXPECT_EQ(ColumnTexts(list.Handle(), 0), (Texts{L"date", L"cherry", L"Banana", L"0 first"}));
        EXPECT_FALSE(list.SortByColumn(3, true));
    });
}

// The keys made once per row give the order of the locale's comparison itself: case, accents,
// punctuation and Hangul included.
TEST(ColumnListCtrl, TextColumnsSortInTheOrderOfTheLocaleComparison)
{
    RunProbe([](ControlsProbeDialog& dialog) {
        for (const wchar_t* text : {L"성공", L"co-op", L"coop", L"Coop", L"co op", L"éclair", L"eclair", L"Eclair", L"",
                                    L"실패", L"가", L"각", L"Z", L"a", L"_a", L"10", L"9", L"A", L"ä"})
            dialog.list.AddRow({text, L"", L""});
        ASSERT_TRUE(dialog.list.SortByColumn(0, true));
        const Texts sorted = ColumnTexts(dialog.list.Handle(), 0);
        for (size_t i = 1; i < sorted.size(); ++i)
            EXPECT_LE(lstrcmpW(sorted[i - 1].c_str(), sorted[i].c_str()), 0)
                << ::testing::PrintToString(sorted[i - 1]) << " before " << ::testing::PrintToString(sorted[i]);
    });
}

int NextRow(const ColumnListCtrl& list, UINT state)
{
    return static_cast<int>(list.Send(LVM_GETNEXTITEM, static_cast<WPARAM>(-1), state));
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
        EXPECT_EQ(Ticks(list.Handle()), (std::vector<bool>{false, true, true}));
        testing::ClickCheckBox(list.Handle(), 1);
        EXPECT_EQ(Ticks(list.Handle()), (std::vector<bool>{false, false, true}));

        // Row "b" has the selection and the tick; both go with it to its sorted place.
        ASSERT_EQ(NextRow(list, LVNI_SELECTED), 2);
        ASSERT_TRUE(list.SortByColumn(0, true));
        EXPECT_EQ(ColumnTexts(list.Handle(), 0), (Texts{L"a", L"b", L"c"}));
        EXPECT_EQ(NextRow(list, LVNI_SELECTED), 1);
        EXPECT_EQ(Ticks(list.Handle()), (std::vector<bool>{false, true, false}));

        // Typing a row's first letter, whatever its case, moves the focus there.
        list.Send(WM_CHAR, L'C', 1); // a repeat count of one, as a key press has
        EXPECT_EQ(NextRow(list, LVNI_FOCUSED), 2);
    });
}

const COLORREF kFace = GetSysColor(COLOR_BTNFACE);

enum class Arrow { None, Up, Down, Other };

// The engraved arrow at the right end of a header item, as the screen shows it: pointing up its
// lit base is at the bottom, pointing down its shadowed base at the top; none leaves the face.
Arrow ArrowOf(const WindowPixels& pixels, const RECT& item)
{
    const int o = (item.bottom - item.top) / 4;
    const RECT arrowArea{item.right - 3 * o - 2, item.top, item.right, item.bottom};
    if (pixels.Count(kFace, arrowArea) == (arrowArea.right - arrowArea.left) * (arrowArea.bottom - arrowArea.top))
        return Arrow::None;
    const COLORREF top = pixels.At(item.right - 3 * o, o), bottom = pixels.At(item.right - 3 * o, item.bottom - o - 1);
    if (top == kFace && bottom == GetSysColor(COLOR_BTNHIGHLIGHT))
        return Arrow::Up;
    if (top == GetSysColor(COLOR_BTNSHADOW) && bottom == kFace)
        return Arrow::Down;
    return Arrow::Other;
}

// Where an item's drawing puts anything but the button face, drawn with the given item state.
RECT DrawnBox(const ColumnListCtrl& list, int item, UINT state)
{
    HWND header = const_cast<ColumnListCtrl&>(list).Header().Handle();
    const RECT itemRect = HeaderItemRect(header, item);
    BITMAPINFO format{};
    format.bmiHeader = {sizeof(BITMAPINFOHEADER), itemRect.right, -itemRect.bottom, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    const MemoryDC dc = MakeMemoryDC(WindowDC().Get());
    const OwnedBitmap bitmap(CreateDIBSection(dc.get(), &format, DIB_RGB_COLORS, &bits, nullptr, 0));
    const GdiSelection selected(dc.get(), bitmap.get());
    DRAWITEMSTRUCT draw{ODT_HEADER, 0, static_cast<UINT>(item), ODA_DRAWENTIRE, state, header, dc.get(), itemRect, 0};
    SendMessageW(list.Handle(), WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&draw));
    GdiFlush();
    RECT box{itemRect.right, itemRect.bottom, -1, -1};
    const auto* pixels = static_cast<const RGBQUAD*>(bits);
    for (int y = itemRect.top; y < itemRect.bottom; ++y) {
        for (int x = itemRect.left; x < itemRect.right; ++x) {
            const RGBQUAD& quad = pixels[y * itemRect.right + x];
            if (RGB(quad.rgbRed, quad.rgbGreen, quad.rgbBlue) != kFace)
                box = {std::min<LONG>(box.left, x), std::min<LONG>(box.top, y), std::max<LONG>(box.right, x),
                       std::max<LONG>(box.bottom, y)};
        }
    }
    return box;
}

// Pressed is a bit of the item state, which carries others beside it (focus, hot tracking). The
// text's box moves 1 right and its top 2 down, so the text, centred in it, moves 1 down.
TEST(SortHeaderCtrl, APressedItemDrawsItsTextLowerAndToTheRightWhateverElseItsStateHolds)
{
    RunProbe([](ControlsProbeDialog& dialog) {
        const RECT plain = DrawnBox(dialog.list, 1, 0);
        ASSERT_LT(plain.left, plain.right) << "no text drawn";
        for (const UINT state :
             {UINT{ODS_SELECTED}, UINT{ODS_SELECTED | ODS_FOCUS}, UINT{ODS_SELECTED | ODS_HOTLIGHT}, UINT{ODS_FOCUS}}) {
            const RECT drawn = DrawnBox(dialog.list, 1, state);
            const int shift = (state & ODS_SELECTED) != 0 ? 1 : 0;
            EXPECT_EQ(std::pair(drawn.left, drawn.top), std::pair(plain.left + shift, plain.top + shift))
                << "state " << state;
        }
    });
}

std::vector<int> ColumnWidths(const ColumnListCtrl& list)
{
    std::vector<int> widths;
    for (int column = 0; column < list.ColumnCount(); ++column)
        widths.push_back(list.GetColumnWidth(column));
    return widths;
}

// The widths go to an archive and come back only to a header with as many columns.
TEST(SortHeaderCtrl, StoresItsColumnWidthsAndRestoresThemOnlyToAsManyColumns)
{
    RunProbe([](ControlsProbeDialog& dialog) {
        ColumnListCtrl& list = dialog.list;
        const std::vector<int> widths = ColumnWidths(list);
        Archive stored;
        list.Header().Serialize(stored);
        for (int column = 0; column < list.ColumnCount(); ++column)
            list.SetColumnWidth(column, 33);
        Archive loading(stored.Bytes());
        list.Header().Serialize(loading);
        EXPECT_EQ(ColumnWidths(list), widths);

        Archive twoColumns;
        StoreHeaderWidths(twoColumns, {5, 6});
        Archive other(twoColumns.Bytes());
        list.Header().Serialize(other);
        EXPECT_EQ(ColumnWidths(list), widths);
    });
}

TEST(SortHeaderCtrl, DrawsTheEngravedArrowWhereTheSortColumnEnds)
{
    RunProbe([](ControlsProbeDialog& dialog) {
        HWND header = dialog.list.Header().Handle();
        std::vector<Arrow> arrows; // the first column's after each click, then the second's
        for (const int column : {0, 0, 1}) {
            ClickHeaderItem(header, column);
            arrows.push_back(ArrowOf(WindowPixels(header), HeaderItemRect(header, 0)));
        }
        arrows.push_back(ArrowOf(WindowPixels(header), HeaderItemRect(header, 1)));
        EXPECT_EQ(arrows, (std::vector{Arrow::Up, Arrow::Down, Arrow::None, Arrow::Up}));
    });
}

} // namespace
} // namespace fennick
