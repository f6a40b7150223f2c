#include "markup/portable/BoxBlur.h"

#include <gtest/gtest.h>

#include <random>
#include <tuple>

namespace fennick {
namespace {

// Sums every window directly; the filter under test must agree with it for any kernel.
std::vector<double> DirectWindowMeans(int width, int height, const std::vector<Pixel>& pixels, int kx, int ky)
{
    std::vector<double> means;
    for (int row = 0; row < height; ++row) {
        for (int column = 0; column < width; ++column) {
            double sum = 0;
            for (int dy = 0; dy < ky; ++dy) {
                for (int dx = 0; dx < kx; ++dx) {
                    const int y = row - ky / 2 + dy;
                    const int x = column - kx / 2 + dx;
                    const bool inside = x >= 0 && x < width && y >= 0 && y < height;
                    sum += inside ? PixelBlue(pixels[y * width + x]) : 255;
                }
            }
            means.push_back(sum / (kx * ky * 255.0));
        }
    }
    return means;
}

class BoxBlurAgainstDirectSums : public ::testing::TestWithParam<std::tuple<int, int, int, int>> {};

TEST_P(BoxBlurAgainstDirectSums, Agree)
{
    const auto [width, height, kx, ky] = GetParam();
    std::mt19937 generator(width * 131 + height * 17 + kx * 5 + ky);
    std::vector<Pixel> pixels(width * height);
    for (Pixel& pixel : pixels) {
        pixel = generator() & 0xFFFFFF;
    }
    const std::vector<double> expected = DirectWindowMeans(width, height, pixels, kx, ky);
    const std::vector<double> actual = BoxBlur(width, height, pixels, kx, ky);
    ASSERT_EQ(actual.size(), expected.size());
    for (std::size_t i = 0; i < actual.size(); ++i) {
        EXPECT_NEAR(actual[i], expected[i], 1e-12) << "pixel " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(Kernels, BoxBlurAgainstDirectSums,
                         ::testing::Values(std::make_tuple(7, 5, 5, 5), std::make_tuple(9, 4, 3, 1),
                                           std::make_tuple(6, 8, 1, 7), std::make_tuple(5, 5, 4, 2),
                                           std::make_tuple(3, 2, 9, 11), std::make_tuple(1, 1, 1, 1)));

TEST(BoxBlur, BlackPixelDarkensExactlyItsFiveByFiveNeighbourhood)
{
    std::vector<Pixel> pixels(9 * 9, 0xFFFFFF);
    pixels[4 * 9 + 4] = 0;
    const std::vector<double> factors = BoxBlur(9, 9, pixels, 5, 5);
    for (int y = 0; y < 9; ++y) {
        for (int x = 0; x < 9; ++x) {
            const bool near = std::abs(x - 4) <= 2 && std::abs(y - 4) <= 2;
            EXPECT_EQ(factors[y * 9 + x], near ? 24.0 / 25.0 : 1.0) << x << "," << y;
        }
    }
}

TEST(BoxBlur, EmptyImagesAndShortBuffersGiveNoFactors)
{
    const std::vector<Pixel> pixels(4, 0);
    EXPECT_TRUE(BoxBlur(0, 4, pixels, 3, 3).empty());
    EXPECT_TRUE(BoxBlur(3, 3, pixels, 3, 3).empty());
    EXPECT_EQ(BoxBlur(2, 2, pixels, 0, -4).size(), 4u) << "kernels below 1 count as 1";
}

} // namespace
} // namespace fennick
