#pragma once

#include "markup/portable/HostSurface.h"

#include <vector>

namespace fennick::test {

// A surface with fixed metrics. With a font of size S (16 before any font is selected): every
// character is max(1, S / 2) wide, an extent (also of no text) is S high, tmHeight = S,
// tmAscent = S * 3 / 4, tmDescent = S - tmAscent; 96 dots per inch unless set otherwise.
class FakeSurface final : public HostSurface {
public:
    void SelectStyleFont(const MarkupStyle& style) override;
    TextSize TextExtent(std::wstring_view text) const override;
    FontMetrics TextMetrics() const override;
    int DotsPerInchY() const override { return dotsPerInch_; }

    void SetDotsPerInchY(int dots) { dotsPerInch_ = dots; }
    // The styles whose fonts were selected, in order.
    const std::vector<MarkupStyle>& SelectedStyles() const { return selected_; }

private:
    int fontSize_ = 16;
    int dotsPerInch_ = 96;
    std::vector<MarkupStyle> selected_;
};

} // namespace fennick::test
