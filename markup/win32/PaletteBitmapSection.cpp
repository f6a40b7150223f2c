#include "markup/win32/PaletteBitmapSection.h"

#include <cstring>

namespace fennick {

static_assert(sizeof(DibHeader) == sizeof(BITMAPINFOHEADER));

void PaletteBitmapSection::Draw(const PaletteBitmap& bitmap, HDC dc, int x, int y)
{
    if (bitmap.IsEmpty()) {
        return;
    }
    if (!section_) {
        const auto* info = reinterpret_cast<const BITMAPINFO*>(bitmap.Block());
        section_.reset(CreateDIBSection(dc, info, DIB_RGB_COLORS, &sectionBits_, nullptr, 0));
        if (!section_ || !sectionBits_) {
            section_.reset();
            sectionBits_ = nullptr;
            return;
        }
    }
    std::memcpy(sectionBits_, bitmap.Bits(), bitmap.Header().sizeImage);
    if (!sectionDC_) {
        sectionDC_ = MakeMemoryDC(dc);
        if (!sectionDC_) {
            return;
        }
    }
    GdiSelection selection(sectionDC_.get(), section_.get());
    BitBlt(dc, x, y, bitmap.Width(), bitmap.Height(), sectionDC_.get(), 0, 0, SRCCOPY);
}

void PaletteBitmapSection::Release()
{
    sectionDC_.reset();
    section_.reset();
    sectionBits_ = nullptr;
}

} // namespace fennick
