#include "tests/markup/win32/Canvas.h"

#include <filesystem>
#include <fstream>
#include <vector>

namespace fennick {

namespace {

BITMAPINFO TopDownInfo(int width, int height, int bits)
{
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = static_cast<WORD>(bits);
    info.bmiHeader.biCompression = BI_RGB;
    return info;
}

OwnedBitmap MakeSection(int width, int height, int bits, void** memory)
{
    const BITMAPINFO info = TopDownInfo(width, height, bits);
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
    for (int i = 0; i < width_ * height_; ++i) {
        bits_[i] = PixelFromColor(color);
    }
}

std::string Canvas::Row(int y, int fromX, int toX, const std::function<char(COLORREF)>& key) const
{
    std::string text;
    for (int x = fromX; x < toX; ++x) {
        text += key(At(x, y));
    }
    return text;
}

bool Canvas::Unchanged(COLORREF background) const
{
    return Unchanged(background, {0, 0, width_, height_});
}

bool Canvas::Unchanged(COLORREF background, const RECT& area) const
{
    GdiFlush();
    for (int y = area.top; y < area.bottom; ++y) {
        for (int x = area.left; x < area.right; ++x) {
            if ((bits_[y * width_ + x] & 0xFFFFFF) != PixelFromColor(background)) {
                return false;
            }
        }
    }
    return true;
}

bool Canvas::WriteBitmapFile(const std::wstring& path) const
{
    GdiFlush();
    const int stride = (width_ * 3 + 3) / 4 * 4;
    BITMAPINFOHEADER info{};
    info.biSize = sizeof info;
    info.biWidth = width_;
    info.biHeight = height_;
    info.biPlanes = 1;
    info.biBitCount = 24;
    info.biSizeImage = static_cast<DWORD>(stride * height_);
    BITMAPFILEHEADER header{};
    header.bfType = 0x4D42; // "BM"
    header.bfOffBits = sizeof header + sizeof info;
    header.bfSize = header.bfOffBits + info.biSizeImage;
    std::vector<char> rows(info.biSizeImage, 0);
    for (int y = 0; y < height_; ++y) {
        char* row = rows.data() + static_cast<std::size_t>(height_ - 1 - y) * stride;
        for (int x = 0; x < width_; ++x) {
            const Pixel pixel = bits_[y * width_ + x];
            row[x * 3] = static_cast<char>(PixelBlue(pixel));
            row[x * 3 + 1] = static_cast<char>(PixelGreen(pixel));
            row[x * 3 + 2] = static_cast<char>(PixelRed(pixel));
        }
    }
    std::ofstream file(std::filesystem::path(path), std::ios::binary);
    file.write(reinterpret_cast<const char*>(&header), sizeof header);
    file.write(reinterpret_cast<const char*>(&info), sizeof info);
    file.write(rows.data(), static_cast<std::streamsize>(rows.size()));
    return static_cast<bool>(file.flush());
}

OwnedBitmap MakeBitmap24(int width, int height, const PixelSource& color)
{
    void* memory = nullptr;
    OwnedBitmap bitmap = MakeSection(width, height, 24, &memory);
    const int stride = (width * 3 + 3) / 4 * 4;
    auto* bytes = static_cast<BYTE*>(memory);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const COLORREF c = color(x, y);
            BYTE* pixel = bytes + y * stride + x * 3;
            pixel[0] = GetBValue(c);
            pixel[1] = GetGValue(c);
            pixel[2] = GetRValue(c);
        }
    }
    return bitmap;
}

OwnedBitmap MakeBitmap32(int width, int height, const PixelSource& color, int alpha)
{
    void* memory = nullptr;
    OwnedBitmap bitmap = MakeSection(width, height, 32, &memory);
    auto* pixels = static_cast<Pixel*>(memory);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const COLORREF c = color(x, y);
            pixels[y * width + x] = MakePixel(GetRValue(c), GetGValue(c), GetBValue(c), alpha);
        }
    }
    return bitmap;
}

OwnedIcon MakeIcon(int width, int height, const PixelSource& color, const std::function<bool(int, int)>& opaque)
{
    const OwnedBitmap colorBitmap = MakeBitmap24(width, height, [&](int x, int y) {
        return opaque(x, y) ? color(x, y) : RGB(0, 0, 0);
    });
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
