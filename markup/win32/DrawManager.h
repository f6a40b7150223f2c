#pragma once

#include "markup/portable/PaletteBitmap.h"
#include "markup/portable/TextureRandom.h"
#include "markup/win32/PaletteBitmapSection.h"

#include <windows.h>

#include <cstdint>

namespace fennick {

// The drawing toolbox of the markup engine: background effects, tiling, borders and lines, and
// bitmaps, icons and strip cells drawn with colour effects, transparency and shadows.
// Effect numbers are BackgroundEffect values, border styles BorderStyle values and image
// styles ImageStyle flags. No size or input makes it fail: what cannot be drawn is left out.
class DrawManager {
public:
    DrawManager() = default;
    DrawManager(const DrawManager&) = delete;
    DrawManager& operator=(const DrawManager&) = delete;

    // Textures are reproducible: the same seed draws the same noise and streaks.
    void SeedTextures(std::uint32_t seed) { random_.Seed(seed); }

    void FillBackground(HDC dc, int effect, const RECT& rect, COLORREF firstColor, COLORREF midColor, COLORREF endColor,
                        int noiseAmount, int blendPercent);
    void FillGradient(HDC dc, const RECT& rect, COLORREF fromColor, COLORREF toColor, bool horizontal);
    // Renders a procedural effect into the effect bitmap; false when the area is empty or too large.
    bool RenderEffect(int width, int height, int effect, int noiseAmount, int blendPercent, COLORREF firstColor,
                      COLORREF midColor, COLORREF endColor);
    const PaletteBitmap& EffectBitmap() const { return effectBitmap_; }
    void TileBitmap(HDC dc, int x, int y, int width, int height, HDC sourceDC, int sourceX, int sourceY, int tileWidth,
                    int tileHeight);
    void DrawBorderRect(HDC dc, const RECT& rect, COLORREF lightColor, COLORREF darkColor, int borderStyle, int width);
    void DrawLine(HDC dc, int x1, int y1, int x2, int y2, COLORREF color, int borderStyle, int width);

    static SIZE GetBitmapSize(HBITMAP bitmap);
    static SIZE GetIconSize(HICON icon);
    static HICON ScaleIcon(HICON icon, int width, int height);
    // A new 32-bit bitmap of the top-left width x height of bitmap with the style flags applied,
    // or none. Notes whether a pixel carries alpha (HasAlpha).
    HBITMAP TransformColors(HBITMAP bitmap, int width, int height, std::int32_t flags, bool useMask, COLORREF maskColor,
                            COLORREF fillColor);
    void BlendWithAlpha(HDC dc, int x, int y, int width, int height, HDC sourceDC, int sourceX, int sourceY);
    void DrawShadow(HDC dc, int x, int y, int width, int height, HBITMAP shadowBitmap, bool soft, int blurX, int blurY);
    void DrawBitmapImage(HDC dc, int x, int y, int width, int height, HBITMAP bitmap, bool hasMask, COLORREF maskColor,
                         std::int32_t style, bool shadowOn, int offsetX, int offsetY, int blurX, int blurY,
                         COLORREF color);
    void DrawIconImage(HDC dc, int x, int y, int width, int height, HICON icon, std::int32_t style, bool shadowOn,
                       int offsetX, int offsetY, int blurX, int blurY, COLORREF color);
    void DrawStripFrame(HDC dc, int x, int y, int width, int height, HBITMAP stripBitmap, int frame, int cellWidth,
                        int cellHeight, bool hasMask, COLORREF maskColor, std::int32_t style, bool shadowOn,
                        int offsetX, int offsetY, int blurX, int blurY, COLORREF color);

    // Whether the last image drawn carried per-pixel alpha and was blended.
    bool HasAlpha() const { return hasAlpha_; }

private:
    // Where the image goes and draws its shadow first when it has one.
    POINT PlaceWithShadow(HDC dc, int x, int y, int width, int height, HBITMAP silhouetteSource, bool useMask,
                          COLORREF maskColor, std::int32_t style, bool shadowOn, int offsetX, int offsetY, int blurX,
                          int blurY, COLORREF color);
    // Draws a transformed image: blended when it carries alpha, else through its AND mask.
    void PutImage(HDC dc, POINT at, int width, int height, HBITMAP image, HBITMAP andMask);

    PaletteBitmap effectBitmap_;
    PaletteBitmapSection effectSection_;
    TextureRandom random_;
    bool hasAlpha_ = false;
};

} // namespace fennick
