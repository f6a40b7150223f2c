#include "markup/win32/DrawManager.h"

#include "markup/portable/BoxBlur.h"
#include "markup/portable/ImagePixels.h"
#include "framework/win32/GdiHandles.h"
#include "markup/win32/PixelSection.h"

namespace fennick {

HBITMAP DrawManager::TransformColors(HBITMAP bitmap, int width, int height, std::int32_t flags, bool useMask,
                                     COLORREF maskColor, COLORREF fillColor)
{
    const WindowDC screen;
    const MemoryDC sourceDC = MakeMemoryDC(screen.Get());
    const MemoryDC workDC = MakeMemoryDC(screen.Get());
    if (!bitmap || !sourceDC || !workDC) {
        return nullptr;
    }
    PixelSection section(width, height);
    if (!section) {
        return nullptr;
    }
    {
        const GdiSelection source(sourceDC.get(), bitmap);
        section.CopyFrom(workDC.get(), sourceDC.get(), 0, 0);
    }
    if (TransformPixels(section.Pixels(), flags, useMask, PixelFromColor(maskColor), PixelFromColor(fillColor))) {
        hasAlpha_ = true;
    }
    return section.Release();
}

void DrawManager::BlendWithAlpha(HDC dc, int x, int y, int width, int height, HDC sourceDC, int sourceX, int sourceY)
{
    const MemoryDC workDC = MakeMemoryDC(dc);
    PixelSection source(width, height);
    PixelSection destination(width, height);
    if (!workDC || !source || !destination) {
        return;
    }
    source.CopyFrom(workDC.get(), sourceDC, sourceX, sourceY);
    destination.CopyFrom(workDC.get(), dc, x, y);
    BlendPixels(source.Pixels(), destination.Pixels());
    destination.CopyTo(workDC.get(), dc, x, y);
}

std::vector<double> DrawManager::ShadowFactors(HDC dc, int width, int height, HBITMAP silhouette, bool soft, int blurX,
                                               int blurY)
{
    const MemoryDC workDC = MakeMemoryDC(dc);
    const MemoryDC shadowDC = MakeMemoryDC(dc);
    PixelSection area(width, height);
    if (!silhouette || !workDC || !shadowDC || !area) {
        return {};
    }
    const GdiSelection shadowSelection(shadowDC.get(), silhouette);
    if (!soft) {
        area.CopyFrom(workDC.get(), shadowDC.get(), 0, 0);
        return HardShadowFactors(area.Pixels());
    }
    // The silhouette shrinks by the kernel so that the blur stays inside the area.
    const SoftShadowLayout layout = LayOutSoftShadow(width, height, blurX, blurY);
    const SIZE silhouetteSize = GetBitmapSize(silhouette);
    {
        const GdiSelection selection(workDC.get(), area.Handle());
        PatBlt(workDC.get(), 0, 0, width, height, WHITENESS);
        if (!layout.silhouette.IsEmpty()) {
            StretchBlt(workDC.get(), layout.silhouette.left, layout.silhouette.top, layout.silhouette.Width(),
                       layout.silhouette.Height(), shadowDC.get(), 0, 0, silhouetteSize.cx, silhouetteSize.cy, SRCCOPY);
        }
        GdiFlush();
    }
    return BoxBlur(width, height, area.Pixels(), layout.kernelWidth, layout.kernelHeight);
}

void DrawManager::ShadeArea(HDC dc, int x, int y, int width, int height, std::span<const double> factors)
{
    const MemoryDC workDC = MakeMemoryDC(dc);
    PixelSection destination(width, height);
    if (!workDC || !destination || factors.size() != destination.Pixels().size()) {
        return;
    }
    destination.CopyFrom(workDC.get(), dc, x, y);
    ShadePixels(destination.Pixels(), factors);
    destination.CopyTo(workDC.get(), dc, x, y);
}

} // namespace fennick
