#include "markup/portable/PaletteBitmap.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <new>

namespace fennick {

namespace {

std::uint16_t PaletteEntriesFor(int bits)
{
    switch (bits) {
    case 1:
        return 2;
    case 4:
        return 16;
    case 8:
        return 256;
    default:
        return 0;
    }
}

} // namespace

bool PaletteBitmap::Create(int width, int height, int bits)
{
    Destroy();
    if (width <= 0 || height <= 0 || bits <= 0 || bits > 32) {
        return false;
    }
    const std::int64_t stride = (static_cast<std::int64_t>(width) * bits + 31) / 32 * 4;
    const std::int64_t imageSize = stride * height;
    if (imageSize > std::numeric_limits<std::int32_t>::max()) {
        return false;
    }
    const std::uint16_t entries = PaletteEntriesFor(bits);
    try {
        block_.assign(sizeof(DibHeader) + entries * 4u + static_cast<std::size_t>(imageSize), 0);
    } catch (const std::bad_alloc&) {
        return false;
    }
    header_.size = sizeof(DibHeader);
    header_.width = width;
    header_.height = height;
    header_.planes = 1;
    header_.bitCount = static_cast<std::uint16_t>(bits);
    header_.sizeImage = static_cast<std::uint32_t>(imageSize);
    stride_ = static_cast<int>(stride);
    paletteEntries_ = entries;
    std::memcpy(block_.data(), &header_, sizeof header_);
    return true;
}

void PaletteBitmap::Destroy()
{
    std::vector<std::uint8_t>().swap(block_);
    header_ = {};
    stride_ = 0;
    paletteEntries_ = 0;
}

std::size_t PaletteBitmap::EntryOffset(int index) const
{
    return sizeof(DibHeader) + static_cast<std::size_t>(index) * 4;
}

void PaletteBitmap::SetPaletteEntry(int index, int red, int green, int blue)
{
    if (block_.empty() || index < 0 || index >= paletteEntries_) {
        return;
    }
    std::uint8_t* entry = block_.data() + EntryOffset(index);
    entry[0] = static_cast<std::uint8_t>(blue);
    entry[1] = static_cast<std::uint8_t>(green);
    entry[2] = static_cast<std::uint8_t>(red);
    entry[3] = 0;
}

Color PaletteBitmap::PaletteColor(int index) const
{
    if (block_.empty() || index < 0 || index >= paletteEntries_) {
        return 0;
    }
    const std::uint8_t* entry = block_.data() + EntryOffset(index);
    return Rgb(entry[2], entry[1], entry[0]);
}

void PaletteBitmap::BlendPalette(Color color, int percent)
{
    percent = std::clamp(percent, 0, 100);
    const auto blend = [percent](int toward, int entry) { return (toward * percent + entry * (100 - percent)) / 100; };
    for (int index = 0; index < paletteEntries_; ++index) {
        const Color entry = PaletteColor(index);
        SetPaletteEntry(index, blend(ColorRed(color), ColorRed(entry)), blend(ColorGreen(color), ColorGreen(entry)),
                        blend(ColorBlue(color), ColorBlue(entry)));
    }
}

std::size_t PaletteBitmap::PixelOffset() const
{
    return sizeof(DibHeader) + paletteEntries_ * 4u;
}

std::uint8_t* PaletteBitmap::Bits()
{
    return block_.empty() ? nullptr : block_.data() + PixelOffset();
}

const std::uint8_t* PaletteBitmap::Bits() const
{
    return block_.empty() ? nullptr : block_.data() + PixelOffset();
}

void PaletteBitmap::Fill(std::uint8_t value)
{
    if (!block_.empty()) {
        std::fill(block_.begin() + static_cast<std::ptrdiff_t>(PixelOffset()), block_.end(), value);
    }
}

// Only 8-bit rows hold one byte per pixel; addressing byte x of a 1- or 4-bit row would run
// past the row.
bool PaletteBitmap::HoldsBytePixel(int x, int y) const
{
    return !block_.empty() && header_.bitCount == 8 && x >= 0 && x < header_.width && y >= 0 && y < header_.height;
}

std::size_t PaletteBitmap::BytePixelOffset(int x, int y) const
{
    return PixelOffset() + static_cast<std::size_t>(header_.height - 1 - y) * stride_ + x;
}

void PaletteBitmap::PutPixel(int x, int y, std::uint8_t value)
{
    if (HoldsBytePixel(x, y)) {
        block_[BytePixelOffset(x, y)] = value;
    }
}

std::uint8_t PaletteBitmap::PixelAt(int x, int y) const
{
    return HoldsBytePixel(x, y) ? block_[BytePixelOffset(x, y)] : 0;
}

} // namespace fennick
