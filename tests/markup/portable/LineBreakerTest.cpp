#include "markup/portable/LineBreaker.h"
#include "tests/markup/support/FakeSurface.h"

#include <gtest/gtest.h>

#include <string>

namespace fennick {
namespace {

// Every character of the fake surface is 8 pixels wide here.
class LineBreakerTest : public testing::Test {
protected:
    struct Result {
        std::wstring piece;
        std::wstring rest;
        int space;
    };

    Result Break(const wchar_t* run, int lineWidth, int space)
    {
        std::wstring text = run;
        std::wstring piece = BreakLine(surface, text, lineWidth, space);
        return {piece, text, space};
    }

    test::FakeSurface surface;
};

TEST_F(LineBreakerTest, BreaksAfterTheLastWordThatFits)
{
    const Result result = Break(L"hello world", 200, 50);
    EXPECT_EQ(result.piece, L"hello");
    EXPECT_EQ(result.rest, L"world");
    EXPECT_EQ(result.space, 40);
}

TEST_F(LineBreakerTest, BreakCharactersStayWithThePiece)
{
    const Result result = Break(L"one-two three", 200, 40);
    EXPECT_EQ(result.piece, L"one-");
    EXPECT_EQ(result.rest, L"two three");
    EXPECT_EQ(result.space, 32);
}

TEST_F(LineBreakerTest, SpacesAroundTheBreakAreDropped)
{
    const Result result = Break(L"ab   cd ef", 200, 48);
    EXPECT_EQ(result.piece, L"ab");
    EXPECT_EQ(result.rest, L"cd ef");
    EXPECT_EQ(result.space, 16);
}

TEST_F(LineBreakerTest, AWordThatDoesNotFitMovesToTheNextLine)
{
    const Result result = Break(L"wonderful day", 100, 30);
    EXPECT_EQ(result.piece, L"");
    EXPECT_EQ(result.rest, L"wonderful day");
    EXPECT_EQ(result.space, 0);
}

TEST_F(LineBreakerTest, AWordWiderThanAnEmptyLineIsCutBetweenCharacters)
{
    const Result result = Break(L"wonderful day", 30, 30);
    EXPECT_EQ(result.piece, L"won");
    EXPECT_EQ(result.rest, L"derful day");
    EXPECT_EQ(result.space, 24);
}

TEST_F(LineBreakerTest, AnEmptyLineTakesAtLeastOneCharacter)
{
    const Result tooNarrow = Break(L"xyz", 3, 3);
    EXPECT_EQ(tooNarrow.piece, L"x");
    EXPECT_EQ(tooNarrow.rest, L"yz");
    const Result negative = Break(L"xyz", -5, -5);
    EXPECT_EQ(negative.piece, L"x");
}

TEST_F(LineBreakerTest, ARunThatFitsIsTakenWhole)
{
    const Result result = Break(L"short ", 100, 100);
    EXPECT_EQ(result.piece, L"short");
    EXPECT_EQ(result.rest, L"");
    EXPECT_EQ(Break(L"", 10, 10).piece, L"");
}

TEST_F(LineBreakerTest, RepeatedBreakingOnEmptyLinesUsesUpAnyRun)
{
    std::wstring run = L"a verylongwordthatneverfits, and-more text!";
    std::wstring joined;
    for (int guard = 0; !run.empty() && guard < 100; ++guard) {
        int space = 40;
        joined += BreakLine(surface, run, 40, space);
        EXPECT_LE(space, 40 + 8);
    }
    EXPECT_TRUE(run.empty());
    EXPECT_EQ(joined, L"averylongwordthatneverfits,and-moretext!");
}

TEST(CountCharTest, CountsOccurrences)
{
    EXPECT_EQ(CountChar(L"a b  c", L' '), 3u);
    EXPECT_EQ(CountChar(L"", L' '), 0u);
}

} // namespace
} // namespace fennick
