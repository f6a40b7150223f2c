#include "markup/win32/GdiSurface.h"

#include <algorithm>
#include <climits>

namespace fennick {

LOGFONTW StyleLogFont(const MarkupStyle& style)
{
    LOGFONTW font{};
    font.lfHeight = style.fontSize;
    font.lfWeight = style.fontWeight;
    font.lfItalic = style.italic ? TRUE : FALSE;
    font.lfUnderline = style.underline ? TRUE : FALSE;
    font.lfStrikeOut = style.lineThrough ? TRUE : FALSE;
    font.lfCharSet = DEFAULT_CHARSET;
    const std::size_t length = std::min<std::size_t>(style.fontFamily.size(), LF_FACESIZE - 1);
    std::copy_n(style.fontFamily.begin(), length, font.lfFaceName);
    return font;
}

GdiSurface::GdiSurface(HDC dc) : dc_(dc), originalFont_(GetCurrentObject(dc, OBJ_FONT)) {}

GdiSurface::~GdiSurface()
{
    if (font_ != nullptr) {
        SelectObject(dc_, originalFont_);
        DeleteObject(font_);
    }
}

void GdiSurface::SelectStyleFont(const MarkupStyle& style)
{
    const LOGFONTW logFont = StyleLogFont(style);
    HFONT font = CreateFontIndirectW(&logFont);
    if (font == nullptr) {
        return; // measuring goes on with the font in place
    }
    SelectObject(dc_, font);
    if (font_ != nullptr) {
        DeleteObject(font_);
    }
    font_ = font;
}

TextSize GdiSurface::TextExtent(std::wstring_view text) const
{
    SIZE size{};
    const int length = static_cast<int>(std::min<std::size_t>(text.size(), INT_MAX));
    if (!GetTextExtentPoint32W(dc_, text.data(), length, &size)) {
        return {};
    }
    return {size.cx, size.cy};
}

FontMetrics GdiSurface::TextMetrics() const
{
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

} // namespace fennick
