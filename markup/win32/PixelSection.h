#pragma once

#include "markup/portable/PixelFormulas.h"
#include "framework/win32/GdiHandles.h"

#include <windows.h>

#include <span>

namespace fennick {

// A 32-bit DIB section (rows bottom first) whose pixels are worked on in memory.
class PixelSection {
public:
    PixelSection(int width, int height);

    explicit operator bool() const { return bits_ != nullptr; }
    HBITMAP Handle() const { return bitmap_.get(); }
    std::span<Pixel> Pixels() { return {bits_, static_cast<std::size_t>(width_) * height_}; }
    // Hands the section over to the caller, who deletes it.
    HBITMAP Release();

    // Copies the area of `source` at (x, y) into the section through workDC, and back.
    void CopyFrom(HDC workDC, HDC source, int x, int y);
    void CopyTo(HDC workDC, HDC destination, int x, int y);

private:
    OwnedBitmap bitmap_;
    Pixel* bits_ = nullptr;
    int width_ = 0;
    int height_ = 0;
};

} // namespace fennick
