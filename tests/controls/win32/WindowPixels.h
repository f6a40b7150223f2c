#pragma once

#include <windows.h>

#include <algorithm>
#include <span>
#include <vector>

namespace fennick::testing {

// What a window shows on the screen, read back after it has painted everything pending.
class WindowPixels {
public:
    explicit WindowPixels(HWND window)
    {
        RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
        RECT client{};
        GetClientRect(window, &client);
        width_ = client.right;
        height_ = client.bottom;
        BITMAPINFO format{};
        format.bmiHeader = {sizeof(BITMAPINFOHEADER), width_, -height_, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        void* bits = nullptr;
        HDC screen = GetDC(window);
        HDC memory = CreateCompatibleDC(screen);
        HBITMAP bitmap = CreateDIBSection(memory, &format, DIB_RGB_COLORS, &bits, nullptr, 0);
        HGDIOBJ previous = SelectObject(memory, bitmap);
        BitBlt(memory, 0, 0, width_, height_, screen, 0, 0, SRCCOPY);
        GdiFlush();
        for (const RGBQUAD& quad : std::span(static_cast<const RGBQUAD*>(bits), static_cast<size_t>(width_ * height_)))
            pixels_.push_back(RGB(quad.rgbRed, quad.rgbGreen, quad.rgbBlue));
        SelectObject(memory, previous);
        DeleteObject(bitmap);
        DeleteDC(memory);
        ReleaseDC(window, screen);
    }

    COLORREF At(int x, int y) const
    {
        const bool inside = x >= 0 && y >= 0 && x < width_ && y < height_;
        return inside ? pixels_[static_cast<size_t>(y * width_ + x)] : CLR_INVALID;
    }

    // How many pixels of `color` lie in `area` (by default the whole window).
    int Count(COLORREF color, RECT area = {0, 0, 0x7FFF, 0x7FFF}) const
    {
        int count = 0;
        for (int y = std::max(0L, area.top); y < std::min<LONG>(height_, area.bottom); ++y) {
            for (int x = std::max(0L, area.left); x < std::min<LONG>(width_, area.right); ++x)
                count += At(x, y) == color;
        }
        return count;
    }

private:
    int width_ = 0;
    int height_ = 0;
    std::vector<COLORREF> pixels_;
};

} // namespace fennick::testing
