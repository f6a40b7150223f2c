#include "markup/win32/DrawManager.h"

#include "markup/portable/ImagePlacement.h"
#include "markup/portable/ImageStyle.h"
#include "framework/win32/GdiHandles.h"

namespace fennick {

namespace {

constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kWhite = RGB(255, 255, 255);

// A bitmap compatible with dc holding `source` at width x height, stretched when it differs.
// Stretching keeps exact pixel colours (no ANDed neighbours), so the mask colour still matches.
OwnedBitmap CopyAtSize(HDC dc, HBITMAP source, int width, int height)
{
    const SIZE size = DrawManager::GetBitmapSize(source);
    const MemoryDC sourceDC = MakeMemoryDC(dc);
    const MemoryDC targetDC = MakeMemoryDC(dc);
    OwnedBitmap target(CreateCompatibleBitmap(dc, width, height));
    if (!sourceDC || !targetDC || !target) {
        return nullptr;
    }
    const GdiSelection fromSource(sourceDC.get(), source);
    const GdiSelection intoTarget(targetDC.get(), target.get());
    if (size.cx == width && size.cy == height) {
        BitBlt(targetDC.get(), 0, 0, width, height, sourceDC.get(), 0, 0, SRCCOPY);
    } else {
        SetStretchBltMode(targetDC.get(), COLORONCOLOR);
        StretchBlt(targetDC.get(), 0, 0, width, height, sourceDC.get(), 0, 0, size.cx, size.cy, SRCCOPY);
    }
    return target;
}

// The top-left width x height of a monochrome mask, as a bitmap of its own.
OwnedBitmap CopyMask(HDC dc, HBITMAP mask, int width, int height)
{
    const MemoryDC sourceDC = MakeMemoryDC(dc);
    const MemoryDC targetDC = MakeMemoryDC(dc);
    OwnedBitmap copy(CreateBitmap(width, height, 1, 1, nullptr));
    if (!sourceDC || !targetDC || !copy) {
        return nullptr;
    }
    const GdiSelection fromSource(sourceDC.get(), mask);
    const GdiSelection intoCopy(targetDC.get(), copy.get());
    BitBlt(targetDC.get(), 0, 0, width, height, sourceDC.get(), 0, 0, SRCCOPY);
    return copy;
}

} // namespace

void DrawManager::PrepareShadow(HDC dc, PreparedImage& image, HBITMAP silhouetteSource, bool useMask,
                                COLORREF maskColor, const ImageLook& look)
{
    if (!look.shadowOn) {
        return;
    }
    // With the shadow on but no shadow style, the image itself takes the shadow's place.
    if (!(look.style & kImageShadowFlags)) {
        image.imageOffset = {look.shadow.offsetX, look.shadow.offsetY};
        return;
    }
    const OwnedBitmap silhouette(TransformColors(silhouetteSource, image.width, image.height, kImageMaskFlags, useMask,
                                                 maskColor, InvertColor(look.shadow.color)));
    if (silhouette) {
        image.shadowOffset = {look.shadow.offsetX, look.shadow.offsetY};
        image.shadowFactors = ShadowFactors(dc, image.width, image.height, silhouette.get(),
                                            (look.style & ImageSoftShadow) != 0, look.shadow.blurX, look.shadow.blurY);
    }
}

void DrawManager::PutImage(HDC dc, POINT at, int width, int height, HBITMAP image, HBITMAP andMask)
{
    const MemoryDC workDC = MakeMemoryDC(dc);
    if (!workDC) {
        return;
    }
    if (hasAlpha_) {
        const GdiSelection selection(workDC.get(), image);
        BlendWithAlpha(dc, at.x, at.y, width, height, workDC.get(), 0, 0);
        return;
    }
    // A monochrome mask takes the DC's text colour for its 0 bits and background colour for
    // its 1 bits; both must be plain black and white for the AND to let the background through.
    const COLORREF textColor = SetTextColor(dc, kBlack);
    const COLORREF backColor = SetBkColor(dc, kWhite);
    {
        const GdiSelection selection(workDC.get(), andMask);
        BitBlt(dc, at.x, at.y, width, height, workDC.get(), 0, 0, SRCAND);
    }
    {
        const GdiSelection selection(workDC.get(), image);
        BitBlt(dc, at.x, at.y, width, height, workDC.get(), 0, 0, SRCPAINT);
    }
    SetTextColor(dc, textColor);
    SetBkColor(dc, backColor);
}

PreparedImage DrawManager::PrepareBitmap(HDC dc, int width, int height, HBITMAP bitmap, const ImageLook& look)
{
    PreparedImage prepared{width, height};
    if (!bitmap || width <= 0 || height <= 0) {
        return prepared;
    }
    hasAlpha_ = false;
    const OwnedBitmap scaled = CopyAtSize(dc, bitmap, width, height);
    OwnedBitmap mask(
        scaled ? TransformColors(scaled.get(), width, height, kImageMaskFlags, look.hasMask, look.maskColor, kWhite)
               : nullptr);
    OwnedBitmap image(scaled ? TransformColors(scaled.get(), width, height, look.style, look.hasMask, look.maskColor,
                                               look.shadow.color)
                             : nullptr);
    if (!mask || !image) {
        return prepared;
    }
    prepared.image = std::move(image);
    prepared.mask = std::move(mask);
    PrepareShadow(dc, prepared, scaled.get(), look.hasMask, look.maskColor, look);
    prepared.alpha = hasAlpha_;
    return prepared;
}

PreparedImage DrawManager::PrepareStripFrame(HDC dc, int width, int height, HBITMAP stripBitmap, int frame, SIZE cell,
                                             const ImageLook& look)
{
    const SIZE size = GetBitmapSize(stripBitmap);
    const auto origin = StripCellOrigin(size.cx, size.cy, cell.cx, cell.cy, frame);
    if (!origin) {
        return {};
    }
    const MemoryDC sourceDC = MakeMemoryDC(dc);
    const MemoryDC cellDC = MakeMemoryDC(dc);
    const OwnedBitmap cellBitmap(CreateCompatibleBitmap(dc, cell.cx, cell.cy));
    if (!sourceDC || !cellDC || !cellBitmap) {
        return {};
    }
    {
        const GdiSelection fromStrip(sourceDC.get(), stripBitmap);
        const GdiSelection intoCell(cellDC.get(), cellBitmap.get());
        BitBlt(cellDC.get(), 0, 0, cell.cx, cell.cy, sourceDC.get(), origin->x, origin->y, SRCCOPY);
    }
    return PrepareBitmap(dc, width, height, cellBitmap.get(), look);
}

PreparedImage DrawManager::PrepareIcon(HDC dc, int width, int height, const IconBitmaps& icon, const ImageLook& look)
{
    PreparedImage prepared{width, height};
    if (!icon.mask || width <= 0 || height <= 0) {
        return prepared;
    }
    IconBitmaps scaled;
    const IconBitmaps* parts = &icon;
    if (icon.size.cx != width || icon.size.cy != height) {
        const OwnedIcon working(ScaleIcon(icon, width, height));
        if (!working || !scaled.Read(working.get()) || !scaled.mask) {
            return prepared;
        }
        parts = &scaled;
    }
    hasAlpha_ = false;
    // A one-colour icon is its mask's silhouette; elsewhere pure black stays black.
    const bool oneColor = (look.style & ImageOneColor) != 0;
    OwnedBitmap image(TransformColors(oneColor ? parts->mask.get() : parts->color.get(), width, height, look.style,
                                      true, oneColor ? kWhite : kBlack, look.shadow.color));
    OwnedBitmap mask(parts == &scaled ? std::move(scaled.mask) : CopyMask(dc, icon.mask.get(), width, height));
    if (!image || !mask) {
        return prepared;
    }
    prepared.image = std::move(image);
    prepared.mask = std::move(mask);
    PrepareShadow(dc, prepared, prepared.mask.get(), true, kWhite, look);
    prepared.alpha = hasAlpha_;
    return prepared;
}

void DrawManager::DrawPrepared(HDC dc, int x, int y, const PreparedImage& image)
{
    hasAlpha_ = image.alpha;
    if (!image) {
        return;
    }
    if (!image.shadowFactors.empty()) {
        ShadeArea(dc, x + image.shadowOffset.x, y + image.shadowOffset.y, image.width, image.height,
                  image.shadowFactors);
    }
    PutImage(dc, {x + image.imageOffset.x, y + image.imageOffset.y}, image.width, image.height, image.image.get(),
             image.mask.get());
}

} // namespace fennick
