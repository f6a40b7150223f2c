#include "markup/win32/BackgroundImage.h"

#include "framework/win32/GdiHandles.h"

namespace fennick {

namespace {

OwnedBitmap LoadBackgroundBitmap(const BackgroundImageSource& source)
{
    switch (source.kind) {
    case BackgroundImageKind::Resource:
        return OwnedBitmap(static_cast<HBITMAP>(LoadImageW(
            GetModuleHandleW(nullptr), MAKEINTRESOURCEW(source.resourceId), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
    case BackgroundImageKind::File:
        return OwnedBitmap(static_cast<HBITMAP>(
            LoadImageW(nullptr, source.path.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE | LR_CREATEDIBSECTION)));
    case BackgroundImageKind::LibraryResource:
    case BackgroundImageKind::None:
        return nullptr;
    }
    return nullptr;
}

} // namespace

void DrawBackgroundImage(DrawManager& drawManager, HDC dc, const RECT& rect, const BackgroundImageSource& source)
{
    const OwnedBitmap bitmap = LoadBackgroundBitmap(source);
    if (!bitmap) {
        return;
    }
    const MemoryDC bitmapDC = MakeMemoryDC(dc);
    if (!bitmapDC) {
        return;
    }
    const SIZE size = DrawManager::GetBitmapSize(bitmap.get());
    const GdiSelection selection(bitmapDC.get(), bitmap.get());
    drawManager.TileBitmap(dc, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, bitmapDC.get(), 0,
                           0, size.cx, size.cy);
}

} // namespace fennick
