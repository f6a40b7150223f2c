#include "markup/win32/PixelSection.h"

namespace fennick {

PixelSection::PixelSection(int width, int height)
{
    if (width <= 0 || height <= 0) {
        return;
    }
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    bitmap_.reset(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (bitmap_ && bits) {
        bits_ = static_cast<Pixel*>(bits);
        width_ = width;
        height_ = height;
    } else {
        bitmap_.reset();
    }
}

HBITMAP PixelSection::Release()
{
    bits_ = nullptr;
    return bitmap_.release();
}

void PixelSection::CopyFrom(HDC workDC, HDC source, int x, int y)
{
    GdiSelection selection(workDC, bitmap_.get());
    BitBlt(workDC, 0, 0, width_, height_, source, x, y, SRCCOPY);
    GdiFlush();
}

void PixelSection::CopyTo(HDC workDC, HDC destination, int x, int y)
{
    GdiSelection selection(workDC, bitmap_.get());
    BitBlt(destination, x, y, width_, height_, workDC, 0, 0, SRCCOPY);
}

} // namespace fennick
