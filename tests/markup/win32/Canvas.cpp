#include "tests/markup/win32/Canvas.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <vector>

namespace fennick {

namespace {

// A bottom-up header when the height is positive, as bitmap files store their rows.
BITMAPINFOHEADER Header(int width, int height, int bits)
{
    BITMAPINFOHEADER header{};
    header.biSize = sizeof(BITMAPINFOHEADER);
    header.biWidth = width;
    header.biHeight = height;
    header.biPlanes = 1;
    header.biBitCount = static_cast<WORD>(bits);
    header.biCompression = BI_RGB;
    header.biSizeImage = static_cast<DWORD>((width * bits + 31) / 32 * 4 * std::abs(height));
    return header;
}

OwnedBitmap MakeSection(int width, int height, int bits, void** memory)
{
    BITMAPINFO info{};
    info.bmiHeader = Header(width, -height, bits);
    return OwnedBitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, memory, nullptr, 0));
}

} // namespace

Canvas::Canvas(int width, int height, COLORREF background)
    : dc_(CreateCompatibleDC(nullptr)), width_(width), height_(height)
{
    section_ = MakeSection(width, height, 32, reinterpret_cast<void**>(&bits_));
    previous_ = SelectObject(dc_.get(), section_.get());
    Clear(background);
}

int Canvas::Count(COLORREF color, const RECT& area) const
{
    int count = 0;
    for (int y = area.top; y < area.bottom; ++y) {
        for (int x = area.left; x < area.right; ++x) {
            count += At(x, y) == color;
        }
    }
    return count;
}

bool Canvas::WriteBitmapFile(const std::wstring& path) const
{
    const BITMAPINFOHEADER info = Header(width_, height_, 32);
    const DWORD offset = sizeof(BITMAPFILEHEADER) + sizeof info;
    const BITMAPFILEHEADER header{0x4D42 /* "BM" */, offset + info.biSizeImage, 0, 0, offset};
    std::ofstream file(std::filesystem::path(path), std::ios::binary);
    file.write(reinterpret_cast<const char*>(&header), sizeof header);
    file.write(reinterpret_cast<const char*>(&info), sizeof info);
    for (int y = height_ - 1; y >= 0; --y) {
        file.write(reinterpret_cast<const char*>(Bits() + y * width_), width_ * sizeof(Pixel));
    }
    return static_cast<bool>(file.flush());
}

OwnedBitmap MakeBitmap(int width, int height, const PixelSource& color, int bits, int alpha)
{
    BYTE* memory = nullptr;
    OwnedBitmap bitmap = MakeSection(width, height, bits, reinterpret_cast<void**>(&memory));
    const int bytesPerPixel = bits / 8;
    const int stride = (width * bytesPerPixel + 3) / 4 * 4;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const COLORREF c = color(x, y);
            const BYTE bytes[] = {GetBValue(c), GetGValue(c), GetRValue(c), static_cast<BYTE>(alpha)};
            std::copy(bytes, bytes + bytesPerPixel, memory + y * stride + x * bytesPerPixel);
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
            maskBits[y * maskStride + x / 8] |= opaque(x, y) ? 0 : 0x80 >> (x % 8);
        }
    }
    const OwnedBitmap mask(CreateBitmap(width, height, 1, 1, maskBits.data()));
    ICONINFO info{TRUE, 0, 0, mask.get(), colorBitmap.get()};
    return OwnedIcon(CreateIconIndirect(&info));
}

} // namespace fennick
