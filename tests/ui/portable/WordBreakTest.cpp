#include <gtest/gtest.h>

#include <string_view>

#include "ui/portable/WordBreak.h"

namespace fennick {
namespace {

constexpr std::wstring_view kText = L"ASCII 코드로  작성된\t문서파일의 UTF-8로 변환합니다.";
// Words start at 0, 6, 11, 15, 21 and 28; the text is 34 characters long.

TEST(WordBreak, NextWordStartSkipsTheRestOfTheWordAndTheSeparatorsAfterIt)
{
    EXPECT_EQ(NextWordStart(kText, 0), 6u);
    EXPECT_EQ(NextWordStart(kText, 7), 11u); // inside a Korean word: never between syllables
    EXPECT_EQ(NextWordStart(kText, 9), 11u); // on the first of two spaces
    EXPECT_EQ(NextWordStart(kText, 11), 15u); // a tab separates too
    EXPECT_EQ(NextWordStart(kText, 22), 28u); // "UTF-8로" stays one word
    EXPECT_EQ(NextWordStart(kText, 29), 34u);
    EXPECT_EQ(NextWordStart(kText, 500), 34u);
    EXPECT_EQ(NextWordStart(L"", 0), 0u);
}

TEST(WordBreak, PreviousWordStartFindsTheWordEndingBeforeThePosition)
{
    EXPECT_EQ(PreviousWordStart(kText, 0), 0u);
    EXPECT_EQ(PreviousWordStart(kText, 6), 0u); // just after the space: the word before it
    EXPECT_EQ(PreviousWordStart(kText, 11), 6u); // after two spaces
    EXPECT_EQ(PreviousWordStart(kText, 13), 11u); // inside a word: that word's start
    EXPECT_EQ(PreviousWordStart(kText, 500), 28u);
    EXPECT_EQ(PreviousWordStart(L"   ", 3), 0u);
}

} // namespace
} // namespace fennick
