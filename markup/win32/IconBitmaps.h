#pragma once

#include "framework/win32/GdiHandles.h"

#include <windows.h>

namespace fennick {

// The AND mask and colour bitmap of an icon as GetIconInfo hands them out, deleted with this,
// and the icon's size as its bitmaps give it (the hotspot of an odd-sized icon is not its
// middle).
struct IconBitmaps {
    OwnedBitmap mask;
    OwnedBitmap color;
    SIZE size{};

    // False, holding nothing, for no icon or when its parts cannot be read.
    bool Read(HICON icon)
    {
        ICONINFO info{};
        if (!icon || !GetIconInfo(icon, &info)) {
            return false;
        }
        mask.reset(info.hbmMask);
        color.reset(info.hbmColor);
        // A monochrome icon has no colour bitmap; its mask holds the AND half above the XOR half.
        BITMAP bitmap{};
        if (!GetObjectW(color ? color.get() : mask.get(), sizeof bitmap, &bitmap)) {
            return false;
        }
        size = {bitmap.bmWidth, color ? bitmap.bmHeight : bitmap.bmHeight / 2};
        return true;
    }
};

} // namespace fennick
