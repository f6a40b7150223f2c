#include "markup/portable/LineBreaker.h"
#include "tests/markup/support/FakeSurface.h"

#include <gtest/gtest.h>

#include <string>

namespace fennick {
namespace {

TEST(LineBreakerTest, BreaksAfterTheLastBreakThatFits)
{
    const test::FakeSurface surface; // every character 8 pixels wide
    // run, line width, space left; piece, rest, piece width
    const std::tuple<const wchar_t*, int, int, const wchar_t*, const wchar_t*, int> cases[] = {
        {L"hello world", 200, 50, L"hello", L"world", 40},
        {L"one-two three", 200, 40, L"one-", L"two three", 32},
        {L"ab   cd ef", 200, 48, L"ab", L"cd ef", 16},
        {L"wonderful day", 100, 30, L"", L"wonderful day", 0}, // moves whole to the next line
        {L"wonderful day", 30, 30, L"won", L"derful day", 24}, // cut: the line is empty
        {L"xyz", 3, 3, L"x", L"yz", 8}, // at least one character
        {L"xyz", -5, -5, L"x", L"yz", 8},
        {L"short ", 100, 100, L"short", L"", 40},
    };
    for (const auto& [text, lineWidth, space, piece, rest, width] : cases) {
        std::wstring run = text;
        int left = space;
        EXPECT_EQ(BreakLine(surface, run, lineWidth, left), piece) << text;
        EXPECT_EQ(run, rest) << text;
        EXPECT_EQ(left, width) << text;
    }
}

} // namespace
} // namespace fennick
