#include "markup/win32/GdiSurface.h"

#include "markup/win32/BackgroundImage.h"

#include <algorithm>
#include <climits>

namespace fennick {

namespace {

int Length(std::wstring_view text)
{
    return static_cast<int>(std::min<std::size_t>(text.size(), INT_MAX));
}

RECT ToRect(const PixelRect& rect)
{
    return {rect.left, rect.top, rect.right, rect.bottom};
}

bool TooLarge(PixelSize size)
{
    return static_cast<long long>(size.width) * size.height > kMaxImagePixels;
}

} // namespace

LOGFONTW StyleLogFont(const MarkupStyle& style)
{
    LOGFONTW font{};
    font.lfHeight = std::clamp(style.fontSize, -kMaxFontHeight, kMaxFontHeight);
    font.lfWeight = style.fontWeight;
    font.lfItalic = style.italic ? TRUE : FALSE;
    font.lfUnderline = style.underline ? TRUE : FALSE;
    font.lfStrikeOut = style.lineThrough ? TRUE : FALSE;
    font.lfCharSet = DEFAULT_CHARSET;
    const std::size_t length = std::min<std::size_t>(style.fontFamily.size(), LF_FACESIZE - 1);
    std::copy_n(style.fontFamily.begin(), length, font.lfFaceName);
    return font;
}

GdiSurface::GdiSurface(HDC dc, DrawManager& drawing, SurfaceCache& cache)
    : dc_(dc), drawing_(drawing), cache_(cache), originalFont_(GetCurrentObject(dc, OBJ_FONT)),
      originalTextColor_(GetTextColor(dc)), originalBackColor_(GetBkColor(dc)), originalBackMode_(GetBkMode(dc))
{}

GdiSurface::~GdiSurface()
{
    SelectObject(dc_, originalFont_);
    SetTextColor(dc_, originalTextColor_);
    SetBkColor(dc_, originalBackColor_);
    SetBkMode(dc_, originalBackMode_);
}

void GdiSurface::SelectStyleFont(const MarkupStyle& style)
{
    const LOGFONTW logFont = StyleLogFont(style);
    if (current_ != nullptr && SameLogFont(current_->logFont, logFont)) {
        return;
    }
    if (const FontCache::Font* font = cache_.fonts.Find(dc_, logFont)) {
        SelectObject(dc_, font->font.get());
        current_ = font;
    } // otherwise measuring goes on with the font in place
}

void GdiSurface::SetTextColors(Color textColor, BackMode backMode, Color backColor)
{
    SetTextColor(dc_, textColor);
    SetBkMode(dc_, backMode == BackMode::Opaque ? OPAQUE : TRANSPARENT);
    SetBkColor(dc_, backColor);
}

int GdiSurface::JustificationOf(std::wstring_view text) const
{
    if (justifyBreaks_ == 0) {
        return 0;
    }
    const auto spaces = static_cast<long long>(std::count(text.begin(), text.end(), L' '));
    const long long extra =
        spaces * (justifyExtra_ / justifyBreaks_) + std::min<long long>(spaces, justifyExtra_ % justifyBreaks_);
    return static_cast<int>(std::min<long long>(extra, INT_MAX));
}

PixelSize GdiSurface::TextExtent(std::wstring_view text) const
{
    SIZE size{};
    if (!GetTextExtentPoint32W(dc_, text.data(), Length(text), &size)) {
        return {};
    }
    return {static_cast<int>(std::min<long long>(static_cast<long long>(size.cx) + JustificationOf(text), INT_MAX)),
            size.cy};
}

TextFit GdiSurface::FitText(std::wstring_view text, int maxWidth) const
{
    if (maxWidth < 0 || text.empty()) {
        return {};
    }
    partialWidths_.resize(text.size());
    INT fit = 0;
    SIZE size{};
    if (!GetTextExtentExPointW(dc_, text.data(), Length(text), maxWidth, &fit, partialWidths_.data(), &size) ||
        fit <= 0) {
        return {};
    }
    return {static_cast<std::size_t>(fit), partialWidths_[fit - 1]};
}

FontMetrics GdiSurface::TextMetrics() const
{
    if (current_ != nullptr) {
        return current_->metrics;
    }
    TEXTMETRICW metrics{};
    if (!GetTextMetricsW(dc_, &metrics)) {
        return {};
    }
    return {metrics.tmHeight, metrics.tmAscent, metrics.tmDescent};
}

int GdiSurface::DotsPerInchY() const
{
    return GetDeviceCaps(dc_, LOGPIXELSY);
}

PixelSize GdiSurface::StandardIconSize() const
{
    return {GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON)};
}

void GdiSurface::SetTextJustification(int extra, int breakCount)
{
    const bool spread = extra > 0 && breakCount > 0;
    justifyExtra_ = spread ? extra : 0;
    justifyBreaks_ = spread ? breakCount : 0;
}

void GdiSurface::DrawTextRun(int x, int y, std::wstring_view text)
{
    const int length = Length(text);
    if (justifyBreaks_ == 0 || length == 0) {
        TextOutW(dc_, x, y, text.data(), length);
        return;
    }
    // Each character's advance from the partial extents, the spaces widened as TextExtent says.
    partialWidths_.resize(text.size());
    INT fit = 0;
    SIZE size{};
    if (!GetTextExtentExPointW(dc_, text.data(), length, 0, &fit, partialWidths_.data(), &size)) {
        TextOutW(dc_, x, y, text.data(), length);
        return;
    }
    int spaces = 0;
    int previous = 0;
    const int share = justifyExtra_ / justifyBreaks_;
    const int remainder = justifyExtra_ % justifyBreaks_;
    for (int i = 0; i < length; ++i) {
        const int advance = partialWidths_[i] - previous;
        previous = partialWidths_[i];
        partialWidths_[i] = advance;
        if (text[i] == L' ') {
            partialWidths_[i] += share + (spaces++ < remainder ? 1 : 0);
        }
    }
    ExtTextOutW(dc_, x, y, 0, nullptr, text.data(), static_cast<UINT>(length), partialWidths_.data());
}

void GdiSurface::DrawLine(PixelPoint from, PixelPoint to, Color color, int borderStyle, int width)
{
    drawing_.DrawLine(dc_, from.x, from.y, to.x, to.y, color, borderStyle, width);
}

void GdiSurface::FillBackground(const PixelRect& rect, const BackgroundFill& fill)
{
    drawing_.FillBackground(dc_, fill.effect, ToRect(rect), fill.firstColor, fill.midColor, fill.endColor,
                            fill.noiseAmount, fill.blendPercent);
}

void GdiSurface::DrawBackgroundImage(const PixelRect& rect, const BackgroundImageSource& source)
{
    fennick::DrawBackgroundImage(drawing_, dc_, ToRect(rect), source);
}

void GdiSurface::DrawBorderRect(const PixelRect& rect, Color lightColor, Color darkColor, int borderStyle, int width)
{
    drawing_.DrawBorderRect(dc_, ToRect(rect), lightColor, darkColor, borderStyle, width);
}

std::shared_ptr<const SurfaceImage> GdiSurface::OpenImage(const ImageRequest& request)
{
    if (request.kind == ImageKind::Icon && TooLarge(request.iconSize)) {
        return nullptr;
    }
    return cache_.images.Open(request);
}

std::shared_ptr<const SurfaceImage> GdiSurface::OpenListIcon(ImageListHandle list, int index)
{
    return GdiImage::OpenListIcon(static_cast<HIMAGELIST>(list), index);
}

void GdiSurface::DrawImage(const SurfaceImage& image, const ImageDrawing& drawing)
{
    if (TooLarge({drawing.box.Width(), drawing.box.Height()})) {
        return;
    }
    cache_.images.Draw(dc_, drawing_, static_cast<const GdiImage&>(image), drawing);
}

} // namespace fennick
