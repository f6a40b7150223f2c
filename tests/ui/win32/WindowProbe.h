#pragma once

#include <windows.h>

#include <string>

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

// Puts the pointer over a point of a window's client area and tells the window it moved there
// (or tells the window holding the mouse capture).
void MovePointer(HWND window, int x, int y);

// Clicks a window at a point of its client area, as the mouse would.
void ClickAt(HWND window, int x, int y);

// Saves the window as it is on the screen as <name>.bmp in the folder named by the
// environment variable FENNICK_SCREENSHOT_DIR (nothing is saved without it). Returns false only
// when the folder is named but the picture could not be written.
bool SaveScreenshot(HWND window, const std::wstring& name);

} // namespace fennick::testing
