#include "ui/win32/ScaledFont.h"

#include <algorithm>

#include "ui/portable/DisplayScaling.h"

namespace fennick {

OwnedFont CreateScaledFont(HDC dc, double points, std::wstring_view faceName, bool bold, bool italic, bool underline,
                           bool strikeOut, double widthPercent, double heightPercent)
{
    LOGFONTW description{};
    description.lfHeight = ScaledFontHeight(GetDeviceCaps(dc, LOGPIXELSY), points, heightPercent);
    description.lfWidth = ScaledFontWidth(description.lfHeight, widthPercent);
    description.lfWeight = bold ? FW_BOLD : FW_NORMAL;
    description.lfItalic = italic;
    description.lfUnderline = underline;
    description.lfStrikeOut = strikeOut;
    description.lfCharSet = DEFAULT_CHARSET;
    description.lfQuality = ANTIALIASED_QUALITY;
    // The face name is cut to fit, leaving room for the terminating zero.
    const size_t length = std::min(faceName.size(), std::size(description.lfFaceName) - 1);
    std::copy_n(faceName.begin(), length, description.lfFaceName);
    return OwnedFont(CreateFontIndirectW(&description));
}

} // namespace fennick
