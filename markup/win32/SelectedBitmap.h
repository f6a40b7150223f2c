#pragma once

#include "framework/win32/GdiHandles.h"

#include <windows.h>

#include <optional>

namespace fennick {

// A bitmap kept selected in a memory DC of its own. Selecting a large bitmap costs Wine far more
// than copying from it, so a bitmap that is drawn on or copied from at every paint stays
// selected.
class SelectedBitmap {
public:
    // Takes the bitmap and selects it into this DC (made like `compatible` the first time);
    // stays empty when GDI cannot.
    void Reset(HDC compatible, OwnedBitmap bitmap)
    {
        selection_.reset();
        bitmap_ = std::move(bitmap);
        if (!dc_) {
            dc_ = MakeMemoryDC(compatible);
        }
        if (dc_ && bitmap_) {
            selection_.emplace(dc_.get(), bitmap_.get());
        }
    }
    void Clear()
    {
        selection_.reset();
        bitmap_.reset();
    }

    explicit operator bool() const { return selection_.has_value(); }
    HBITMAP Bitmap() const { return bitmap_.get(); }
    HDC Dc() const { return dc_.get(); }

private:
    OwnedBitmap bitmap_;
    MemoryDC dc_;
    std::optional<GdiSelection> selection_; // ends before the DC and the bitmap
};

} // namespace fennick
