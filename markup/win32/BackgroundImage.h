#pragma once

#include "markup/portable/BackgroundImageSource.h"
#include "markup/win32/DrawManager.h"

#include <windows.h>

namespace fennick {

// Tiles the bitmap of the source (a resource of the program, or a file) over the rectangle from
// its origin. A library resource needs a library name, which a background does not give, so it
// loads nothing; neither does a source that cannot be loaded. The caller draws backgrounds only
// while the label is enabled.
void DrawBackgroundImage(DrawManager& drawManager, HDC dc, const RECT& rect, const BackgroundImageSource& source);

} // namespace fennick
