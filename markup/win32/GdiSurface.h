#pragma once

#include "markup/portable/HostSurface.h"
#include "markup/win32/DrawManager.h"
#include "markup/win32/FontCache.h"
#include "markup/win32/ImageCache.h"

#include <windows.h>

#include <vector>

namespace fennick {

// Fonts are made at most this many pixels high: larger ones only cost time to render.
constexpr int kMaxFontHeight = 1000;
// Images with more pixels than this are neither loaded (icons) nor drawn.
constexpr long long kMaxImagePixels = 1LL << 24;

// The font GDI makes for a style: height = fontSize (the cell height), DEFAULT_CHARSET.
LOGFONTW StyleLogFont(const MarkupStyle& style);

// What the surfaces of one owner keep from one pass to the next: the fonts of the styles and the
// images of the text. Around a pass, MarkUnused and ForgetUnused let go of what it did not use.
struct SurfaceCache {
    FontCache fonts;
    ImageCache images;

    void MarkUnused()
    {
        fonts.MarkUnused();
        images.MarkUnused();
    }
    void ForgetUnused()
    {
        fonts.ForgetUnused();
        images.ForgetUnused();
    }
};

// The markup engine's surface on a device context it does not own, drawing with a DrawManager
// and keeping its fonts and images in a cache; at its end the context gets back its font, text
// colours and background mode. Use one surface at a time per cache. It justifies text itself,
// with the advance of each character, instead of with the context's justification, which only
// widens the font's break character: some fonts do not name the space as theirs.
class GdiSurface final : public HostSurface {
public:
    GdiSurface(HDC dc, DrawManager& drawing, SurfaceCache& cache);
    ~GdiSurface() override;
    GdiSurface(const GdiSurface&) = delete;
    GdiSurface& operator=(const GdiSurface&) = delete;

    HDC Dc() const { return dc_; }

    void SelectStyleFont(const MarkupStyle& style) override;
    void SetTextColors(Color textColor, BackMode backMode, Color backColor) override;
    PixelSize TextExtent(std::wstring_view text) const override;
    TextFit FitText(std::wstring_view text, int maxWidth) const override;
    FontMetrics TextMetrics() const override;
    int DotsPerInchY() const override;
    PixelSize StandardIconSize() const override;

    void SetTextJustification(int extra, int breakCount) override;
    void DrawTextRun(int x, int y, std::wstring_view text) override;
    void DrawLine(PixelPoint from, PixelPoint to, Color color, int borderStyle, int width) override;
    void FillBackground(const PixelRect& rect, const BackgroundFill& fill) override;
    void DrawBackgroundImage(const PixelRect& rect, const BackgroundImageSource& source) override;
    void DrawBorderRect(const PixelRect& rect, Color lightColor, Color darkColor, int borderStyle, int width) override;

    std::shared_ptr<const SurfaceImage> OpenImage(const ImageRequest& request) override;
    std::shared_ptr<const SurfaceImage> OpenListIcon(ImageListHandle list, int index) override;
    void DrawImage(const SurfaceImage& image, const ImageDrawing& drawing) override;

private:
    // The pixels justification adds to the spaces of the text.
    int JustificationOf(std::wstring_view text) const;

    HDC dc_;
    DrawManager& drawing_;
    SurfaceCache& cache_;
    HGDIOBJ originalFont_;
    COLORREF originalTextColor_;
    COLORREF originalBackColor_;
    int originalBackMode_;
    const FontCache::Font* current_ = nullptr;
    int justifyExtra_ = 0;
    int justifyBreaks_ = 0;
    mutable std::vector<int> partialWidths_;
};

} // namespace fennick
