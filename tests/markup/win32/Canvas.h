#pragma once

#include "markup/portable/PixelFormulas.h"
#include "framework/win32/GdiHandles.h"

#include <windows.h>

#include <algorithm>
#include <functional>
#include <string>

namespace fennick {

// A 32-bit top-down DIB section in a memory DC: the drawing tests draw into it and read the
// pixels back from its memory.
class Canvas {
public:
    Canvas(int width, int height, COLORREF background);
    ~Canvas() { SelectObject(dc_.get(), previous_); }
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    HDC DC() const { return dc_.get(); }
    COLORREF At(int x, int y) const { return ColorFromPixel(Bits()[y * width_ + x]); }
    void Set(int x, int y, COLORREF color) { Bits()[y * width_ + x] = PixelFromColor(color); }
    void Clear(COLORREF color) { std::fill(Bits(), Bits() + width_ * height_, PixelFromColor(color)); }
    // How many pixels of `color` lie in `area` (by default the whole canvas).
    int Count(COLORREF color, const RECT& area) const;
    int Count(COLORREF color) const { return Count(color, {0, 0, width_, height_}); }
    bool Unchanged(COLORREF background, const RECT& area) const
    {
        return Count(background, area) == (area.right - area.left) * (area.bottom - area.top);
    }
    bool Unchanged(COLORREF background) const { return Count(background) == width_ * height_; }
    // Writes a 32-bit BMP file; false when it cannot be written.
    bool WriteBitmapFile(const std::wstring& path) const;

private:
    // The pixels, once GDI has finished drawing into them.
    Pixel* Bits() const
    {
        GdiFlush();
        return bits_;
    }

    MemoryDC dc_;
    OwnedBitmap section_;
    HGDIOBJ previous_ = nullptr;
    Pixel* bits_ = nullptr;
    int width_;
    int height_;
};

// Bitmaps (a 24-bit section, or 32-bit with one alpha for all pixels) and icons made pixel by
// pixel; the icon is transparent where `opaque` says no.
using PixelSource = std::function<COLORREF(int x, int y)>;
OwnedBitmap MakeBitmap(int width, int height, const PixelSource& color, int bits = 24, int alpha = 0);
OwnedIcon MakeIcon(int width, int height, const PixelSource& color, const std::function<bool(int, int)>& opaque);

} // namespace fennick
