#pragma once

#include "markup/win32/DrawManager.h"

#include <windows.h>

#include <string_view>

namespace fennick {

// Tiles the bitmap named by `source` ("idres: <number>" from the program's resources,
// "file: <path>") over the rectangle from its origin. "iddll" names a library bitmap, but
// a background gives no library name, so it loads nothing. A source that cannot be loaded
// draws nothing. The caller draws backgrounds only while the label is enabled.
void DrawBackgroundImage(DrawManager& drawManager, HDC dc, int left, int top, int width, int height,
                         std::wstring_view source);

} // namespace fennick
