#pragma once

namespace fennick {

struct PixelPoint {
    int x = 0;
    int y = 0;

    friend bool operator==(const PixelPoint&, const PixelPoint&) = default;
};

// Device pixels, right and bottom exclusive, as a GDI RECT.
struct PixelRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool IsEmpty() const { return Width() <= 0 || Height() <= 0; }

    friend bool operator==(const PixelRect&, const PixelRect&) = default;
};

} // namespace fennick
