#include "markup/win32/DrawManager.h"

#include "markup/portable/ImagePlacement.h"
#include "markup/portable/ImageStyle.h"
#include "framework/win32/GdiHandles.h"
#include "markup/win32/IconBitmaps.h"

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

} // namespace

POINT DrawManager::PlaceWithShadow(HDC dc, int x, int y, int width, int height, HBITMAP silhouetteSource, bool useMask,
                                   COLORREF maskColor, std::int32_t style, bool shadowOn, int offsetX, int offsetY,
                                   int blurX, int blurY, COLORREF color)
{
    if (!shadowOn) {
        return {x, y};
    }
    // With the shadow on but no shadow style, the image itself takes the shadow's place.
    if (!(style & kImageShadowFlags)) {
        return {x + offsetX, y + offsetY};
    }
    const OwnedBitmap silhouette(
        TransformColors(silhouetteSource, width, height, kImageMaskFlags, useMask, maskColor, InvertColor(color)));
    if (silhouette) {
        DrawShadow(dc, x + offsetX, y + offsetY, width, height, silhouette.get(), (style & ImageSoftShadow) != 0, blurX,
                   blurY);
    }
    return {x, y};
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

void DrawManager::DrawBitmapImage(HDC dc, int x, int y, int width, int height, HBITMAP bitmap, bool hasMask,
                                  COLORREF maskColor, std::int32_t style, bool shadowOn, int offsetX, int offsetY,
                                  int blurX, int blurY, COLORREF color)
{
    hasAlpha_ = false;
    if (!bitmap || width <= 0 || height <= 0) {
        return;
    }
    const OwnedBitmap scaled = CopyAtSize(dc, bitmap, width, height);
    const OwnedBitmap mask(
        scaled ? TransformColors(scaled.get(), width, height, kImageMaskFlags, hasMask, maskColor, kWhite) : nullptr);
    const OwnedBitmap image(scaled ? TransformColors(scaled.get(), width, height, style, hasMask, maskColor, color)
                                   : nullptr);
    if (!mask || !image) {
        return;
    }
    const POINT at = PlaceWithShadow(dc, x, y, width, height, scaled.get(), hasMask, maskColor, style, shadowOn,
                                     offsetX, offsetY, blurX, blurY, color);
    PutImage(dc, at, width, height, image.get(), mask.get());
}

void DrawManager::DrawIconImage(HDC dc, int x, int y, int width, int height, HICON icon, std::int32_t style,
                                bool shadowOn, int offsetX, int offsetY, int blurX, int blurY, COLORREF color)
{
    hasAlpha_ = false;
    if (!icon || width <= 0 || height <= 0) {
        return;
    }
    const SIZE natural = GetIconSize(icon);
    const OwnedIcon working(natural.cx == width && natural.cy == height ? CopyIcon(icon)
                                                                        : ScaleIcon(icon, width, height));
    IconBitmaps parts;
    if (!working || !parts.Read(working.get()) || !parts.mask) {
        return;
    }
    // A one-colour icon is its mask's silhouette; elsewhere pure black stays black.
    const bool oneColor = (style & ImageOneColor) != 0;
    const OwnedBitmap image(TransformColors(oneColor ? parts.mask.get() : parts.color.get(), width, height, style, true,
                                            oneColor ? kWhite : kBlack, color));
    if (!image) {
        return;
    }
    const POINT at = PlaceWithShadow(dc, x, y, width, height, parts.mask.get(), true, kWhite, style, shadowOn, offsetX,
                                     offsetY, blurX, blurY, color);
    PutImage(dc, at, width, height, image.get(), parts.mask.get());
}

void DrawManager::DrawStripFrame(HDC dc, int x, int y, int width, int height, HBITMAP stripBitmap, int frame,
                                 int cellWidth, int cellHeight, bool hasMask, COLORREF maskColor, std::int32_t style,
                                 bool shadowOn, int offsetX, int offsetY, int blurX, int blurY, COLORREF color)
{
    const SIZE size = GetBitmapSize(stripBitmap);
    const auto origin = StripCellOrigin(size.cx, size.cy, cellWidth, cellHeight, frame);
    if (!origin) {
        return;
    }
    const MemoryDC sourceDC = MakeMemoryDC(dc);
    const MemoryDC cellDC = MakeMemoryDC(dc);
    const OwnedBitmap cell(CreateCompatibleBitmap(dc, cellWidth, cellHeight));
    if (!sourceDC || !cellDC || !cell) {
        return;
    }
    {
        const GdiSelection fromStrip(sourceDC.get(), stripBitmap);
        const GdiSelection intoCell(cellDC.get(), cell.get());
        BitBlt(cellDC.get(), 0, 0, cellWidth, cellHeight, sourceDC.get(), origin->x, origin->y, SRCCOPY);
    }
    DrawBitmapImage(dc, x, y, width, height, cell.get(), hasMask, maskColor, style, shadowOn, offsetX, offsetY, blurX,
                    blurY, color);
}

} // namespace fennick
