#pragma once

#include "markup/portable/PaletteBitmap.h"
#include "framework/win32/GdiHandles.h"

#include <windows.h>

namespace fennick {

// The GDI side of a PaletteBitmap: a DIB section made from its block at the first draw and a
// memory DC to blit it from, kept until Release so that repeated draws reuse them.
class PaletteBitmapSection {
public:
    // Copies the bitmap's pixels into the section and blits it to (x, y) of dc.
    void Draw(const PaletteBitmap& bitmap, HDC dc, int x, int y);
    void Release();

private:
    MemoryDC sectionDC_;
    OwnedBitmap section_;
    void* sectionBits_ = nullptr;
};

} // namespace fennick
