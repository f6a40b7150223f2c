#pragma once

#include <windows.h>

#include <string>

#include "tests/support/win32/Pointer.h"

namespace fennick::testing {

// A child's window rectangle in its parent's client coordinates.
RECT ChildRect(HWND parent, int id);

std::wstring ChildText(HWND parent, int id);

// How far a control's text is wider than its client area, in its own font (negative: room left).
int TextOverflow(HWND control);

// The colour of one pixel of a window as it is on the screen now (x, y in client coordinates).
COLORREF ClientPixel(HWND window, int x, int y);

// The text colour a dialog gives `control` when asked for its static-control colours.
COLORREF StaticTextColour(HWND dialog, HWND control);

// Saves the window as <name>.bmp in the folder FENNICK_SCREENSHOT_DIR names, if it names one;
// false when that fails.
bool SaveScreenshot(HWND window, const std::wstring& name);

} // namespace fennick::testing
