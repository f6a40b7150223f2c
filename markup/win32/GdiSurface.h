#pragma once

#include "framework/win32/GdiHandles.h"
#include "markup/portable/HostSurface.h"
#include "markup/win32/DrawManager.h"

#include <windows.h>

#include <optional>
#include <vector>

namespace fennick {

// Fonts are made at most this many pixels high: larger ones only cost time to render.
constexpr int kMaxFontHeight = 1000;
// Images with more pixels than this are neither loaded (icons) nor drawn.
constexpr long long kMaxImagePixels = 1LL << 24;

// The font GDI makes for a style: height = fontSize (the cell height), DEFAULT_CHARSET.
LOGFONTW StyleLogFont(const MarkupStyle& style);

// The markup engine's surface on a device context it does not own, drawing with a DrawManager.
// The fonts it makes are its own; at its end the context gets back its font, text colours and
// background mode. Use one surface per pass, or per paint. It justifies text itself, with the
// advance of each character, instead of with the context's justification, which only widens
// the font's break character: some fonts do not name the space as theirs.
class GdiSurface final : public HostSurface {
public:
    GdiSurface(HDC dc, DrawManager& drawing);
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

    std::unique_ptr<SurfaceImage> OpenImage(const ImageRequest& request) override;
    std::unique_ptr<SurfaceImage> OpenListIcon(ImageListHandle list, int index) override;
    void DrawImage(const SurfaceImage& image, const ImageDrawing& drawing) override;

private:
    // The fonts of one pass are few: a style's font is made once and kept for the pass.
    struct CachedFont {
        LOGFONTW logFont;
        OwnedFont font;
        FontMetrics metrics;
    };
    static constexpr std::size_t kFontCacheSize = 16;

    // The index of the font in the cache, made when missing; none when GDI cannot make it.
    std::optional<std::size_t> FindOrMakeFont(const LOGFONTW& logFont);
    // The pixels justification adds to the spaces of the text.
    int JustificationOf(std::wstring_view text) const;

    HDC dc_;
    DrawManager& drawing_;
    HGDIOBJ originalFont_;
    COLORREF originalTextColor_;
    COLORREF originalBackColor_;
    int originalBackMode_;
    std::vector<CachedFont> fonts_;
    std::optional<std::size_t> current_;
    int justifyExtra_ = 0;
    int justifyBreaks_ = 0;
    mutable std::vector<int> partialWidths_;
};

} // namespace fennick
