#pragma once

#include <windows.h>

namespace fennick::testing {

// Puts the pointer over a point of a window's client area and tells the window it moved there
// (or tells the window holding the mouse capture).
void MovePointer(HWND window, int x, int y);

// Clicks a window at a point of its client area, as the mouse would.
void ClickAt(HWND window, int x, int y);

} // namespace fennick::testing
