#pragma once

#include "framework/win32/GdiHandles.h"

#include <windows.h>

namespace fennick {

// The AND mask and colour bitmap of an icon as GetIconInfo hands them out, deleted with this.
struct IconBitmaps {
    OwnedBitmap mask;
    OwnedBitmap color;
    POINT hotspot{};

    // False, holding nothing, for no icon or when its parts cannot be read.
    bool Read(HICON icon)
    {
        ICONINFO info{};
        if (!icon || !GetIconInfo(icon, &info)) {
            return false;
        }
        mask.reset(info.hbmMask);
        color.reset(info.hbmColor);
        hotspot = {static_cast<LONG>(info.xHotspot), static_cast<LONG>(info.yHotspot)};
        return true;
    }
};

} // namespace fennick
