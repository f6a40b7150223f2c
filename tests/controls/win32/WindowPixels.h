#pragma once

#include <windows.h>

#include <vector>

namespace fennick::testing {

// What a window shows on the screen, read back after it has painted everything pending.
class WindowPixels {
public:
    explicit WindowPixels(HWND window);

    int Width() const { return width_; }
    int Height() const { return height_; }
    COLORREF At(int x, int y) const;
    // How many pixels of `color` lie in the rectangle.
    int Count(const RECT& area, COLORREF color) const;

private:
    int width_ = 0;
    int height_ = 0;
    std::vector<COLORREF> pixels_;
};

} // namespace fennick::testing
