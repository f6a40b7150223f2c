#include "markup/win32/DrawManager.h"

#include "framework/win32/GdiHandles.h"
#include "markup/win32/IconBitmaps.h"

namespace fennick {

namespace {

// A bitmap of width x height in the format of `like`, holding `source` stretched to fit. Pixels
// are dropped or repeated, never ANDed together as the default mode does, which would streak a
// colour image and fringe its mask.
OwnedBitmap StretchInto(HDC sourceDC, HDC targetDC, HBITMAP source, SIZE sourceSize, const BITMAP& like, int width,
                        int height)
{
    OwnedBitmap target(CreateBitmap(width, height, like.bmPlanes, like.bmBitsPixel, nullptr));
    if (target) {
        const GdiSelection fromSource(sourceDC, source);
        const GdiSelection intoTarget(targetDC, target.get());
        SetStretchBltMode(targetDC, COLORONCOLOR);
        StretchBlt(targetDC, 0, 0, width, height, sourceDC, 0, 0, sourceSize.cx, sourceSize.cy, SRCCOPY);
    }
    return target;
}

} // namespace

SIZE DrawManager::GetBitmapSize(HBITMAP bitmap)
{
    BITMAP info{};
    if (!bitmap || !GetObjectW(bitmap, sizeof info, &info)) {
        return {0, 0};
    }
    return {info.bmWidth, info.bmHeight};
}

SIZE DrawManager::GetIconSize(HICON icon)
{
    IconBitmaps bitmaps;
    if (!bitmaps.Read(icon)) {
        return {0, 0};
    }
    return bitmaps.size;
}

HICON DrawManager::ScaleIcon(HICON icon, int width, int height)
{
    IconBitmaps bitmaps;
    if (width <= 0 || height <= 0 || !bitmaps.Read(icon) || !bitmaps.color) {
        return nullptr;
    }
    const WindowDC screen;
    const MemoryDC sourceDC = MakeMemoryDC(screen.Get());
    const MemoryDC targetDC = MakeMemoryDC(screen.Get());
    BITMAP colorInfo{};
    if (!screen.Get() || !sourceDC || !targetDC || !GetObjectW(bitmaps.color.get(), sizeof colorInfo, &colorInfo)) {
        return nullptr;
    }
    const OwnedBitmap color =
        StretchInto(sourceDC.get(), targetDC.get(), bitmaps.color.get(), bitmaps.size, colorInfo, width, height);
    OwnedBitmap mask;
    if (BITMAP maskInfo{}; GetObjectW(bitmaps.mask.get(), sizeof maskInfo, &maskInfo)) {
        mask = StretchInto(sourceDC.get(), targetDC.get(), bitmaps.mask.get(), bitmaps.size, maskInfo, width, height);
    }
    ICONINFO scaled{};
    scaled.fIcon = TRUE;
    scaled.hbmMask = mask.get();
    scaled.hbmColor = color.get();
    return color ? CreateIconIndirect(&scaled) : nullptr;
}

} // namespace fennick
