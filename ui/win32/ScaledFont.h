#pragma once

#include <windows.h>

#include <string_view>

#include "framework/win32/GdiHandles.h"

namespace fennick {

// A font of `points` for the device `dc`, with its height and average width scaled by the two
// percentages (a width of exactly 100 % keeps the face's own proportions); null when creation
// failed.
OwnedFont CreateScaledFont(HDC dc, double points, std::wstring_view faceName, bool bold, bool italic, bool underline,
                           bool strikeOut, double widthPercent, double heightPercent);

} // namespace fennick
