#pragma once

#include "markup/portable/PixelFormulas.h"

#include <span>
#include <vector>

namespace fennick {

// Mean of the blue bytes over a blurX x blurY window around every pixel of a width x height
// image (rows of width pixels), as a factor from 0 to 1; outside the image counts as white.
// Costs a fixed number of additions per pixel whatever the window: running sums over the rows,
// then over the columns. Kernel sizes below 1 count as 1.
std::vector<double> BoxBlur(int width, int height, std::span<const Pixel> pixels, int blurX, int blurY);

} // namespace fennick
