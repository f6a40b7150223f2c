#pragma once

#include <windows.h>

#include <string>

namespace fennick::testing {

std::wstring ChildText(HWND parent, int id);

// How far a control's text is wider than its client area, in its own font (negative: room left).
int TextOverflow(HWND control);

// Saves the window as <name>.bmp in the folder FENNICK_SCREENSHOT_DIR names, if it names one;
// false when that fails.
bool SaveScreenshot(HWND window, const std::wstring& name);

} // namespace fennick::testing
