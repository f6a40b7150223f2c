#include "ui/portable/DisplayScaling.h"

#include <cmath>
#include <cstdlib>

namespace fennick {

namespace {

constexpr double kInchesPerPoint = 0.013888888888888888;
constexpr int kDesignDotsPerInch = 96;

} // namespace

long ScaledFontHeight(int dotsPerInch, double points, double heightPercent)
{
    // Multiplied in this order so that the common sizes come out whole (9 points at 96 dpi: 12).
    const double pixels = dotsPerInch * points * kInchesPerPoint * heightPercent * 0.01;
    return -static_cast<long>(pixels);
}

long ScaledFontWidth(long height, double widthPercent)
{
    if (widthPercent == 100.0)
        return 0;
    return static_cast<long>(std::floor(std::labs(height) * 0.5 * widthPercent * 0.01 + 0.5));
}

int ScaleForDpi(int pixels, int dotsPerInch)
{
    const long long scaled = static_cast<long long>(pixels) * dotsPerInch;
    const long long half = kDesignDotsPerInch / 2;
    return static_cast<int>(scaled >= 0 ? (scaled + half) / kDesignDotsPerInch : (scaled - half) / kDesignDotsPerInch);
}

} // namespace fennick
