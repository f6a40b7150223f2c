#pragma once

#include "markup/portable/HostSurface.h"

#include <vector>

namespace fennick::test {

// A surface with fixed metrics, for tests of measuring and layout. With a font of size S
// (the style's fontSize; 16 before any font is selected):
//   every character is max(1, S / 2) pixels wide, so "hello" at 16 is 40 wide;
//   a text extent is S high, also for an empty text;
//   tmHeight = S, tmAscent = S * 3 / 4, tmDescent = S - tmAscent (16: 16, 12, 4);
//   96 dots per inch unless set otherwise.
class FakeSurface final : public HostSurface {
public:
    void SelectStyleFont(const MarkupStyle& style) override;
    TextSize TextExtent(std::wstring_view text) const override;
    FontMetrics TextMetrics() const override;
    int DotsPerInchY() const override { return dotsPerInch_; }

    void SetDotsPerInchY(int dots) { dotsPerInch_ = dots; }
    int CharacterWidth() const;
    // The styles whose fonts were selected, in order.
    const std::vector<MarkupStyle>& SelectedStyles() const { return selected_; }

private:
    int fontSize_ = 16;
    int dotsPerInch_ = 96;
    std::vector<MarkupStyle> selected_;
};

} // namespace fennick::test
