#pragma once

#include "markup/portable/HostSurface.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <vector>

namespace fennick::test {

// A surface with fixed metrics. With a font of size S (16 before any font is selected): every
// character is max(1, S / 2) wide, an extent (also of no text) is S high, tmHeight = S,
// tmAscent = S * 3 / 4, tmDescent = S - tmAscent; 96 dots per inch unless set otherwise.
class FakeSurface final : public HostSurface {
public:
    void SelectStyleFont(const MarkupStyle& style) override
    {
        fontSize_ = style.fontSize == INT32_MIN ? INT32_MAX : std::abs(style.fontSize);
        selected_.push_back(style);
    }
    TextSize TextExtent(std::wstring_view text) const override
    {
        const std::int64_t width = static_cast<std::int64_t>(text.size()) * std::max(1, fontSize_ / 2);
        return {static_cast<int>(std::min<std::int64_t>(width, INT32_MAX)), fontSize_};
    }
    FontMetrics TextMetrics() const override
    {
        const int ascent = static_cast<int>(std::int64_t{fontSize_} * 3 / 4);
        return {fontSize_, ascent, fontSize_ - ascent};
    }
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
