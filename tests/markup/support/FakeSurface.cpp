#include "tests/markup/support/FakeSurface.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

namespace fennick::test {

void FakeSurface::SelectStyleFont(const MarkupStyle& style)
{
    fontSize_ = style.fontSize == INT32_MIN ? INT32_MAX : std::abs(style.fontSize);
    selected_.push_back(style);
}

TextSize FakeSurface::TextExtent(std::wstring_view text) const
{
    const std::int64_t width = static_cast<std::int64_t>(text.size()) * std::max(1, fontSize_ / 2);
    return {static_cast<int>(std::min<std::int64_t>(width, INT32_MAX)), fontSize_};
}

FontMetrics FakeSurface::TextMetrics() const
{
    const int ascent = static_cast<int>(std::int64_t{fontSize_} * 3 / 4);
    return {fontSize_, ascent, fontSize_ - ascent};
}

} // namespace fennick::test
