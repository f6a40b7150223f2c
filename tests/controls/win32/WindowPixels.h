#pragma once

#include <windows.h>

#include <vector>

namespace fennick::testing {

// What a window shows on the screen, read back after it has painted everything pending.
class WindowPixels {
public:
    explicit WindowPixels(HWND window);

    COLORREF At(int x, int y) const;
    // How many pixels of `color` lie in `area` (by default the whole window).
    int Count(COLORREF color, RECT area = {0, 0, 0x7FFF, 0x7FFF}) const;

private:
    int width_ = 0;
    int height_ = 0;
    std::vector<COLORREF> pixels_;
};

} // namespace fennick::testing
