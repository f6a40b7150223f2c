#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace fennick::testing {

// What a list shows: one column's texts, and the rows' check boxes.
std::vector<std::wstring> ColumnTexts(HWND list, int column);
std::vector<bool> Ticks(HWND list);

// Clicks a row of a list on its check box, or on the middle of one of its cells.
void ClickCheckBox(HWND list, int row);
void ClickCell(HWND list, int row, int column);

// Gives a row the focus and presses the space bar on the list.
void PressSpaceOnRow(HWND list, int row);

} // namespace fennick::testing
