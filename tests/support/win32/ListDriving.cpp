#include "tests/support/win32/ListDriving.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include "tests/support/win32/ModalDriver.h"
#include "tests/support/win32/Pointer.h"

namespace fennick::testing {

namespace {

RECT CellRect(HWND list, int row, int column)
{
    RECT cell{};
    cell.top = column;
    cell.left = LVIR_BOUNDS;
    SendMessageW(list, LVM_GETSUBITEMRECT, row, reinterpret_cast<LPARAM>(&cell));
    return cell;
}

} // namespace

std::vector<std::wstring> ColumnTexts(HWND list, int column)
{
    std::vector<std::wstring> texts;
    const int count = static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
    for (int row = 0; row < count; ++row) {
        std::wstring text(4096, L'\0');
        LVITEMW item{};
        item.iSubItem = column;
        item.pszText = text.data();
        item.cchTextMax = static_cast<int>(text.size());
        text.resize(static_cast<size_t>(SendMessageW(list, LVM_GETITEMTEXTW, row, reinterpret_cast<LPARAM>(&item))));
        texts.push_back(std::move(text));
    }
    return texts;
}

std::vector<bool> Ticks(HWND list)
{
    std::vector<bool> ticks;
    const int count = static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
    for (int row = 0; row < count; ++row) {
        const auto state = SendMessageW(list, LVM_GETITEMSTATE, row, LVIS_STATEIMAGEMASK);
        ticks.push_back(((state & LVIS_STATEIMAGEMASK) >> 12) == 2);
    }
    return ticks;
}

void ClickCheckBox(HWND list, int row)
{
    const RECT cell = CellRect(list, row, 0);
    const int y = (cell.top + cell.bottom) / 2;
    for (int x = cell.left; x < cell.right; ++x) {
        LVHITTESTINFO hit{};
        hit.pt = {x, y};
        SendMessageW(list, LVM_SUBITEMHITTEST, 0, reinterpret_cast<LPARAM>(&hit));
        if (hit.iItem == row && (hit.flags & LVHT_ONITEMSTATEICON) != 0) {
            ClickAt(list, x + 3, y);
            return;
        }
    }
    ADD_FAILURE() << "row " << row << " shows no check box";
}

void ClickCell(HWND list, int row, int column)
{
    RECT cell = CellRect(list, row, column);
    if (column == 0) {
        // The first column's rectangle spans the whole row: aim at its text instead.
        cell.left = LVIR_LABEL;
        SendMessageW(list, LVM_GETITEMRECT, row, reinterpret_cast<LPARAM>(&cell));
    }
    ClickAt(list, (cell.left + cell.right) / 2, (cell.top + cell.bottom) / 2);
}

void PressSpaceOnRow(HWND list, int row)
{
    LVITEMW item{};
    item.stateMask = LVIS_FOCUSED | LVIS_SELECTED;
    item.state = LVIS_FOCUSED | LVIS_SELECTED;
    SendMessageW(list, LVM_SETITEMSTATE, row, reinterpret_cast<LPARAM>(&item));
    SendMessageW(list, WM_KEYDOWN, VK_SPACE, 0);
    SendMessageW(list, WM_KEYUP, VK_SPACE, 0);
    PumpMessages();
}

} // namespace fennick::testing
