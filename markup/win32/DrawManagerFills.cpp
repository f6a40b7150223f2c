#include "markup/win32/DrawManager.h"

#include "markup/portable/Gradients.h"
#include "markup/portable/ImagePlacement.h"
#include "markup/portable/Textures.h"
#include "framework/win32/GdiHandles.h"

namespace fennick {

namespace {

PixelRect ToPixelRect(const RECT& rect)
{
    return {rect.left, rect.top, rect.right, rect.bottom};
}

void FillSolid(HDC dc, const RECT& rect, COLORREF color)
{
    if (const OwnedBrush brush(CreateSolidBrush(color)); brush) {
        FillRect(dc, &rect, brush.get());
    }
}

} // namespace

void DrawManager::FillBackground(HDC dc, int effect, const RECT& rect, COLORREF firstColor, COLORREF midColor,
                                 COLORREF endColor, int noiseAmount, int blendPercent)
{
    const PixelRect area = ToPixelRect(rect);
    switch (FillKindOf(effect, area)) {
    case FillKind::None:
        return;
    case FillKind::Gradient:
        for (const GradientFill& fill : GradientFills(effect, area, firstColor, midColor, endColor)) {
            const RECT part{fill.rect.left, fill.rect.top, fill.rect.right, fill.rect.bottom};
            FillGradient(dc, part, fill.from, fill.to, fill.horizontal);
        }
        return;
    case FillKind::Texture:
        if (RenderEffect(area.Width(), area.Height(), effect, noiseAmount, blendPercent, firstColor, midColor,
                         endColor)) {
            effectSection_.Draw(effectBitmap_, dc, rect.left, rect.top);
            return;
        }
        // An area too large for a texture in memory still gets its first colour.
        FillSolid(dc, rect, firstColor);
        return;
    case FillKind::Solid:
        FillSolid(dc, rect, firstColor);
        return;
    }
}

void DrawManager::FillGradient(HDC dc, const RECT& rect, COLORREF fromColor, COLORREF toColor, bool horizontal)
{
    if (ToPixelRect(rect).IsEmpty()) {
        return;
    }
    const int start = horizontal ? rect.left : rect.top;
    const int extent = horizontal ? rect.right - rect.left : rect.bottom - rect.top;
    for (const GradientBand& band : GradientBands(start, extent, fromColor, toColor)) {
        const RECT part = horizontal ? RECT{band.start, rect.top, band.end, rect.bottom}
                                     : RECT{rect.left, band.start, rect.right, band.end};
        FillSolid(dc, part, band.color);
    }
}

bool DrawManager::RenderEffect(int width, int height, int effect, int noiseAmount, int blendPercent,
                               COLORREF firstColor, COLORREF midColor, COLORREF endColor)
{
    effectSection_.Release();
    return RenderTexture(effectBitmap_, random_, width, height, effect, noiseAmount, blendPercent, firstColor, midColor,
                         endColor);
}

void DrawManager::TileBitmap(HDC dc, int x, int y, int width, int height, HDC sourceDC, int sourceX, int sourceY,
                             int tileWidth, int tileHeight)
{
    ForEachTile(x, y, width, height, tileWidth, tileHeight, [&](const PixelRect& tile) {
        BitBlt(dc, tile.left, tile.top, tile.Width(), tile.Height(), sourceDC, sourceX, sourceY, SRCCOPY);
    });
}

} // namespace fennick
