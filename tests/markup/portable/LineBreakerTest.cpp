#include "markup/portable/LineBreaker.h"
#include "tests/markup/support/FakeSurface.h"

#include <gtest/gtest.h>

#include <string>

namespace fennick {
namespace {

TEST(LineBreakerTest, BreaksAfterTheLastBreakThatFitsOrCutsAWordOnAnEmptyLine)
{
    const test::FakeSurface surface; // every character 8 pixels wide
    // run, space left, line empty; piece, rest, piece width
    const std::tuple<const wchar_t*, int, bool, const wchar_t*, const wchar_t*, int> cases[] = {
        {L"hello world", 50, false, L"hello", L"world", 40},
        {L"one-two three", 40, false, L"one-", L"two three", 32},
        {L"ab   cd ef", 48, false, L"ab", L"cd ef", 16},
        {L"  wonderful day", 30, false, L"", L"wonderful day", 0}, // waits for the next line
        {L"wonderful day", 30, true, L"won", L"derful day", 24},
        {L"xyz", 3, true, L"x", L"yz", 8}, // at least one character
        {L"xyz", -5, true, L"x", L"yz", 8},
        {L"short ", 48, false, L"short ", L"", 48}, // all of it fits: kept as it is
        {L"\xD83D\xDE00\xD83D\xDE00", 8, true, L"\xD83D\xDE00", L"\xD83D\xDE00", 16}, // a surrogate pair stays whole
    };
    for (const auto& [text, space, lineIsEmpty, piece, rest, width] : cases) {
        std::wstring_view run = text;
        const LinePiece taken = BreakLine(surface, run, space, lineIsEmpty);
        EXPECT_EQ(std::tuple(std::wstring(taken.text), std::wstring(run), taken.width), std::tuple(piece, rest, width))
            << testing::PrintToString(std::wstring(text));
    }
}

} // namespace
} // namespace fennick
