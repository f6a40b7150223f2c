#pragma once

#include "markup/portable/HostSurface.h"

#include <windows.h>

namespace fennick {

// The font GDI makes for a style: height = fontSize (the cell height), DEFAULT_CHARSET.
LOGFONTW StyleLogFont(const MarkupStyle& style);

// Measures on a device context it does not own. Fonts it selects are its own: it deletes them
// and gives the context its original font back when it ends.
class GdiSurface final : public HostSurface {
public:
    explicit GdiSurface(HDC dc);
    ~GdiSurface() override;
    GdiSurface(const GdiSurface&) = delete;
    GdiSurface& operator=(const GdiSurface&) = delete;

    HDC Dc() const { return dc_; }

    void SelectStyleFont(const MarkupStyle& style) override;
    TextSize TextExtent(std::wstring_view text) const override;
    FontMetrics TextMetrics() const override;
    int DotsPerInchY() const override;

private:
    HDC dc_;
    HGDIOBJ originalFont_;
    HFONT font_ = nullptr;
};

} // namespace fennick
