#include "markup/win32/DrawManager.h"

#include "framework/win32/GdiHandles.h"

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

HICON DrawManager::ScaleIcon(const IconBitmaps& icon, int width, int height)
{
    if (width <= 0 || height <= 0 || !icon.color || !icon.mask) {
        return nullptr;
    }
    const WindowDC screen;
    const MemoryDC sourceDC = MakeMemoryDC(screen.Get());
    const MemoryDC targetDC = MakeMemoryDC(screen.Get());
    BITMAP colorInfo{};
    if (!screen.Get() || !sourceDC || !targetDC || !GetObjectW(icon.color.get(), sizeof colorInfo, &colorInfo)) {
        return nullptr;
    }
    const OwnedBitmap color =
        StretchInto(sourceDC.get(), targetDC.get(), icon.color.get(), icon.size, colorInfo, width, height);
    OwnedBitmap mask;
    if (BITMAP maskInfo{}; GetObjectW(icon.mask.get(), sizeof maskInfo, &maskInfo)) {
        mask = StretchInto(sourceDC.get(), targetDC.get(), icon.mask.get(), icon.size, maskInfo, width, height);
    }
    ICONINFO scaled{};
    scaled.fIcon = TRUE;
    scaled.hbmMask = mask.get();
    scaled.hbmColor = color.get();
    return color ? CreateIconIndirect(&scaled) : nullptr;
}

} // namespace fennick
