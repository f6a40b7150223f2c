#include "markup/portable/BoxBlur.h"

#include <algorithm>
#include <cstddef>

namespace fennick {

std::vector<double> BoxBlur(int width, int height, std::span<const Pixel> pixels, int blurX, int blurY)
{
    if (width <= 0 || height <= 0 || pixels.size() < static_cast<std::size_t>(width) * height) {
        return {};
    }
    blurX = std::max(blurX, 1);
    blurY = std::max(blurY, 1);
    const std::size_t w = width;
    const std::size_t h = height;
    const std::size_t paddedWidth = w + blurX - 1;
    const std::size_t paddedHeight = h + blurY - 1;
    const std::size_t left = blurX / 2;
    const std::size_t top = blurY / 2;

    std::vector<double> plane(paddedWidth * paddedHeight, 255.0);
    for (std::size_t row = 0; row < h; ++row) {
        for (std::size_t column = 0; column < w; ++column) {
            plane[(row + top) * paddedWidth + column + left] = PixelBlue(pixels[row * w + column]);
        }
    }

    // Window sums along each padded row: add the entering value, subtract the leaving one.
    std::vector<double> rowSums(paddedHeight * w);
    for (std::size_t row = 0; row < paddedHeight; ++row) {
        const double* line = &plane[row * paddedWidth];
        double sum = 0;
        for (int k = 0; k < blurX; ++k) {
            sum += line[k];
        }
        rowSums[row * w] = sum;
        for (std::size_t column = 1; column < w; ++column) {
            sum += line[column + blurX - 1] - line[column - 1];
            rowSums[row * w + column] = sum;
        }
    }

    const double divisor = static_cast<double>(blurX) * blurY * 255.0;
    std::vector<double> factors(w * h);
    for (std::size_t column = 0; column < w; ++column) {
        double sum = 0;
        for (int k = 0; k < blurY; ++k) {
            sum += rowSums[k * w + column];
        }
        factors[column] = sum / divisor;
        for (std::size_t row = 1; row < h; ++row) {
            sum += rowSums[(row + blurY - 1) * w + column] - rowSums[(row - 1) * w + column];
            factors[row * w + column] = sum / divisor;
        }
    }
    return factors;
}

} // namespace fennick
