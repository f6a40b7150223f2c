#pragma once

#include "framework/win32/GdiHandles.h"
#include "markup/portable/ImageLook.h"
#include "markup/portable/PaletteBitmap.h"
#include "markup/portable/TextureRandom.h"
#include "markup/win32/IconBitmaps.h"
#include "markup/win32/PaletteBitmapSection.h"

#include <windows.h>

#include <cstdint>
#include <span>
#include <vector>

namespace fennick {

// An image made ready to draw at one size and look: its colours transformed and its
// transparency and shadow worked out, so that drawing it again only copies it.
struct PreparedImage {
    int width = 0;
    int height = 0;
    OwnedBitmap image{};
    OwnedBitmap mask{}; // the AND mask, for an image without alpha
    bool alpha = false; // a pixel carries alpha: the image is blended
    POINT imageOffset{}; // from the place it is drawn at
    POINT shadowOffset{};
    std::vector<double> shadowFactors{}; // how much the shadow darkens each pixel; empty: no shadow

    explicit operator bool() const { return image != nullptr; }
};

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
    // A new icon of the icon's bitmaps stretched to width x height, or none.
    static HICON ScaleIcon(const IconBitmaps& icon, int width, int height);
    // A new 32-bit bitmap of the top-left width x height of bitmap with the style flags applied,
    // or none. Notes whether a pixel carries alpha (HasAlpha).
    HBITMAP TransformColors(HBITMAP bitmap, int width, int height, std::int32_t flags, bool useMask, COLORREF maskColor,
                            COLORREF fillColor);
    void BlendWithAlpha(HDC dc, int x, int y, int width, int height, HDC sourceDC, int sourceX, int sourceY);
    // How much the shadow of a silhouette (white where it lets light through) darkens each pixel
    // of its width x height area; empty when it cannot be worked out.
    std::vector<double> ShadowFactors(HDC dc, int width, int height, HBITMAP silhouette, bool soft, int blurX,
                                      int blurY);
    void ShadeArea(HDC dc, int x, int y, int width, int height, std::span<const double> factors);

    // Images made ready to draw at width x height: a bitmap, a cell of a strip, an icon's
    // bitmaps. An empty result draws nothing.
    PreparedImage PrepareBitmap(HDC dc, int width, int height, HBITMAP bitmap, const ImageLook& look);
    PreparedImage PrepareStripFrame(HDC dc, int width, int height, HBITMAP stripBitmap, int frame, SIZE cell,
                                    const ImageLook& look);
    PreparedImage PrepareIcon(HDC dc, int width, int height, const IconBitmaps& icon, const ImageLook& look);
    // Draws the image (its shadow first) with its top left corner at (x, y).
    void DrawPrepared(HDC dc, int x, int y, const PreparedImage& image);

    // Whether the last image drawn carried per-pixel alpha and was blended.
    bool HasAlpha() const { return hasAlpha_; }

private:
    // Works out where the image and its shadow go, and the shadow's darkening from the opaque
    // pixels of silhouetteSource.
    void PrepareShadow(HDC dc, PreparedImage& image, HBITMAP silhouetteSource, bool useMask, COLORREF maskColor,
                       const ImageLook& look);
    // Draws a transformed image: blended when it carries alpha, else through its AND mask.
    void PutImage(HDC dc, POINT at, int width, int height, HBITMAP image, HBITMAP andMask);

    PaletteBitmap effectBitmap_;
    PaletteBitmapSection effectSection_;
    TextureRandom random_;
    bool hasAlpha_ = false;
};

} // namespace fennick
