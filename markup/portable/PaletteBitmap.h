#pragma once

#include "markup/portable/PixelFormulas.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace fennick {

// The layout of a Windows BITMAPINFOHEADER, so that the block below can be handed to GDI as is.
struct DibHeader {
    std::uint32_t size = 0;
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::uint16_t planes = 0;
    std::uint16_t bitCount = 0;
    std::uint32_t compression = 0;
    std::uint32_t sizeImage = 0;
    std::int32_t xPelsPerMeter = 0;
    std::int32_t yPelsPerMeter = 0;
    std::uint32_t clrUsed = 0;
    std::uint32_t clrImportant = 0;
};
static_assert(sizeof(DibHeader) == 40);

// A device-independent bitmap in one memory block: header, colour table (blue, green, red, 0
// per entry), then the pixel rows, bottom row first.
class PaletteBitmap {
public:
    // Releases what is held and allocates a zeroed bitmap; false (holding nothing) for a size
    // that is not positive or does not fit in memory.
    bool Create(int width, int height, int bits);
    void Destroy();

    void SetPaletteEntry(int index, int red, int green, int blue);
    Color PaletteColor(int index) const; // 0 outside the table
    // Moves every entry percent of the way (at most 100) towards color.
    void BlendPalette(Color color, int percent);

    void Fill(std::uint8_t value);
    // One byte per pixel of an 8-bit bitmap, y counting from the top row; ignored outside the
    // bitmap and for other depths.
    void PutPixel(int x, int y, std::uint8_t value);
    std::uint8_t PixelAt(int x, int y) const; // 0 outside the bitmap

    bool IsEmpty() const { return block_.empty(); }
    int Width() const { return header_.width; }
    int Height() const { return header_.height; }
    const DibHeader& Header() const { return header_; }
    int Stride() const { return stride_; }
    std::uint8_t* Bits(); // the bottom row
    const std::uint8_t* Bits() const;
    const std::uint8_t* Block() const { return block_.data(); }

private:
    std::size_t EntryOffset(int index) const;
    std::size_t PixelOffset() const;
    bool HoldsBytePixel(int x, int y) const;
    std::size_t BytePixelOffset(int x, int y) const;

    std::vector<std::uint8_t> block_;
    DibHeader header_;
    int stride_ = 0;
    std::uint16_t paletteEntries_ = 0;
};

} // namespace fennick
