#include "markup/portable/BoxBlur.h"

#include <gtest/gtest.h>

#include <random>

namespace fennick {
namespace {

TEST(BoxBlur, AgreesWithDirectWindowSumsForAnyKernel)
{
    std::mt19937 generator(5);
    for (const auto& [width, height, kx, ky] : {std::tuple{7, 5, 5, 5}, {9, 4, 3, 1}, {6, 8, 1, 7}, {5, 5, 4, 2}, {3, 2, 9, 11}}) {
        std::vector<Pixel> pixels(width * height);
        for (Pixel& pixel : pixels) {
            pixel = generator() & 0xFFFFFF;
        }
        const std::vector<double> factors = BoxBlur(width, height, pixels, kx, ky);
        ASSERT_EQ(factors.size(), pixels.size());
        for (int i = 0; i < width * height; ++i) {
            double sum = 0; // white outside the image
            for (int y = i / width - ky / 2; y < i / width - ky / 2 + ky; ++y) {
                for (int x = i % width - kx / 2; x < i % width - kx / 2 + kx; ++x) {
                    sum += x >= 0 && x < width && y >= 0 && y < height ? PixelBlue(pixels[y * width + x]) : 255;
                }
            }
            ASSERT_NEAR(factors[i], sum / (kx * ky * 255.0), 1e-12) << width << "x" << height << " kernel " << kx
                                                                     << "x" << ky << " pixel " << i;
        }
    }
}

TEST(BoxBlur, WhiteStaysExactlyOneAndEmptyInputGivesNothing)
{
    const std::vector<Pixel> white(12, 0xFFFFFF);
    for (const double factor : BoxBlur(4, 3, white, 5, 5)) {
        EXPECT_EQ(factor, 1.0) << "a factor a hair under 1 would darken the background";
    }
    EXPECT_TRUE(BoxBlur(0, 4, white, 3, 3).empty());
    EXPECT_TRUE(BoxBlur(4, 4, white, 3, 3).empty()) << "buffer too short";
    EXPECT_EQ(BoxBlur(2, 2, white, 0, -4).size(), 4u) << "kernels below 1 count as 1";
}

} // namespace
} // namespace fennick
