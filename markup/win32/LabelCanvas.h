#pragma once

#include "markup/win32/SelectedBitmap.h"

#include <windows.h>

namespace fennick {

// A client-sized bitmap in a memory DC, kept from one drawing to the next: the label draws there
// over a copy of its background and then copies all of it to the screen at once, so nothing
// flickers.
class LabelCanvas {
public:
    // Ready to draw on at the client's size, holding a copy of the background in `area`, and
    // clipped to that area until the next start; false when GDI cannot make it.
    bool Start(HDC target, const RECT& client, const SelectedBitmap& background, const RECT& area);
    HDC Dc() const { return canvas_.Dc(); }

private:
    SelectedBitmap canvas_;
    SIZE size_{};
};

} // namespace fennick
