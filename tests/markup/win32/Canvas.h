#pragma once

#include "markup/portable/PixelFormulas.h"
#include "markup/win32/GdiHandles.h"

#include <windows.h>

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
    int Width() const { return width_; }
    int Height() const { return height_; }
    COLORREF At(int x, int y) const;
    void Set(int x, int y, COLORREF color);
    void Clear(COLORREF color);
    // The colours of a row or column as text, one letter per pixel from the key, '?' otherwise.
    std::string Row(int y, int fromX, int toX, const std::function<char(COLORREF)>& key) const;
    bool Unchanged(COLORREF background) const;
    bool Unchanged(COLORREF background, const RECT& area) const;
    // Writes the canvas as a 24-bit BMP file; false when the file cannot be written.
    bool WriteBitmapFile(const std::wstring& path) const;

private:
    MemoryDC dc_;
    OwnedBitmap section_;
    HGDIOBJ previous_ = nullptr;
    Pixel* bits_ = nullptr;
    int width_;
    int height_;
};

// Bitmaps and icons made pixel by pixel; colours are COLORREFs, alpha separate.
using PixelSource = std::function<COLORREF(int x, int y)>;
OwnedBitmap MakeBitmap24(int width, int height, const PixelSource& color);
OwnedBitmap MakeBitmap32(int width, int height, const PixelSource& color, int alpha);
// An icon whose mask is opaque where `opaque` says so.
OwnedIcon MakeIcon(int width, int height, const PixelSource& color, const std::function<bool(int, int)>& opaque);

} // namespace fennick
