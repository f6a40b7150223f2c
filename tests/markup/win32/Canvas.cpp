#include "tests/markup/win32/Canvas.h"

#include <filesystem>
#include <fstream>
#include <vector>

namespace fennick {

namespace {

BITMAPINFOHEADER TopDownHeader(int width, int height, int bits)
{
    BITMAPINFOHEADER header{};
    header.biSize = sizeof header;
    header.biWidth = width;
    header.biHeight = -height;
    header.biPlanes = 1;
    header.biBitCount = static_cast<WORD>(bits);
    header.biSizeImage = static_cast<DWORD>((width * bits + 31) / 32 * 4 * height);
    return header;
}

OwnedBitmap MakeSection(int width, int height, int bits, void** memory)
{
    BITMAPINFO info{};
    info.bmiHeader = TopDownHeader(width, height, bits);
    return OwnedBitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, memory, nullptr, 0));
}

} // namespace

Canvas::Canvas(int width, int height, COLORREF background)
    : dc_(CreateCompatibleDC(nullptr)), width_(width), height_(height)
{
    void* memory = nullptr;
    section_ = MakeSection(width, height, 32, &memory);
    bits_ = static_cast<Pixel*>(memory);
    previous_ = SelectObject(dc_.get(), section_.get());
    Clear(background);
}

COLORREF Canvas::At(int x, int y) const
{
    GdiFlush();
    return ColorFromPixel(bits_[y * width_ + x]);
}

void Canvas::Set(int x, int y, COLORREF color)
{
    GdiFlush();
    bits_[y * width_ + x] = PixelFromColor(color);
}

void Canvas::Clear(COLORREF color)
{
    GdiFlush();
    std::fill(bits_, bits_ + width_ * height_, PixelFromColor(color));
}

bool Canvas::Unchanged(COLORREF background, const RECT& area) const
{
    for (int y = area.top; y < area.bottom; ++y) {
        for (int x = area.left; x < area.right; ++x) {
            if (At(x, y) != background) {
                return false;
            }
        }
    }
    return true;
}

// Bottom row first, as bitmap files are usually stored and every reader takes them.
bool Canvas::WriteBitmapFile(const std::wstring& path) const
{
    GdiFlush();
    BITMAPINFOHEADER info = TopDownHeader(width_, height_, 32);
    info.biHeight = height_;
    BITMAPFILEHEADER header{};
    header.bfType = 0x4D42; // "BM"
    header.bfOffBits = sizeof header + sizeof info;
    header.bfSize = header.bfOffBits + info.biSizeImage;
    std::ofstream file(std::filesystem::path(path), std::ios::binary);
    file.write(reinterpret_cast<const char*>(&header), sizeof header);
    file.write(reinterpret_cast<const char*>(&info), sizeof info);
    for (int y = height_ - 1; y >= 0; --y) {
        file.write(reinterpret_cast<const char*>(bits_ + y * width_), width_ * sizeof(Pixel));
    }
    return static_cast<bool>(file.flush());
}

OwnedBitmap MakeBitmap(int width, int height, const PixelSource& color, int bits, int alpha)
{
    void* memory = nullptr;
    OwnedBitmap bitmap = MakeSection(width, height, bits, &memory);
    const int bytesPerPixel = bits / 8;
    const int stride = (width * bytesPerPixel + 3) / 4 * 4;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const COLORREF c = color(x, y);
            BYTE* pixel = static_cast<BYTE*>(memory) + y * stride + x * bytesPerPixel;
            const BYTE bytes[] = {GetBValue(c), GetGValue(c), GetRValue(c), static_cast<BYTE>(alpha)};
            std::copy(bytes, bytes + bytesPerPixel, pixel);
        }
    }
    return bitmap;
}

OwnedIcon MakeIcon(int width, int height, const PixelSource& color, const std::function<bool(int, int)>& opaque)
{
    const OwnedBitmap colorBitmap =
        MakeBitmap(width, height, [&](int x, int y) { return opaque(x, y) ? color(x, y) : RGB(0, 0, 0); });
    const int maskStride = (width + 15) / 16 * 2;
    std::vector<BYTE> maskBits(maskStride * height, 0);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            if (!opaque(x, y)) {
                maskBits[y * maskStride + x / 8] |= static_cast<BYTE>(0x80 >> (x % 8));
            }
        }
    }
    const OwnedBitmap mask(CreateBitmap(width, height, 1, 1, maskBits.data()));
    ICONINFO info{};
    info.fIcon = TRUE;
    info.hbmMask = mask.get();
    info.hbmColor = colorBitmap.get();
    return OwnedIcon(CreateIconIndirect(&info));
}

} // namespace fennick
