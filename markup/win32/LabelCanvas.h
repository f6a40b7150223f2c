#pragma once

#include "framework/win32/GdiHandles.h"

#include <windows.h>

#include <optional>

namespace fennick {

// A client-sized bitmap in a memory DC, kept from one drawing to the next: the label draws there
// over a copy of its background and then copies all of it to the screen at once, so nothing
// flickers.
class LabelCanvas {
public:
    // Ready to draw on at the client's size, holding a copy of the background in `area`, and
    // clipped to that area until the next start; false when GDI cannot make it.
    bool Start(HDC target, const RECT& client, HBITMAP background, const RECT& area);
    HDC Dc() const { return dc_.get(); }

private:
    MemoryDC dc_;
    OwnedBitmap bitmap_;
    std::optional<GdiSelection> selection_; // ends before the bitmap and the DC
    SIZE size_{};
};

} // namespace fennick
