#include "markup/portable/Numbers.h"

#include <gtest/gtest.h>

namespace fennick {
namespace {

TEST(NumbersTest, ReadIntReadsLikeTheCLibraryButSaturates)
{
    const std::pair<const wchar_t*, int> cases[] = {{L"42", 42}, {L"  -17px", -17}, {L"1.5in", 1}, {L"abc", 0},
        {L"", 0}, {L"99999999999", 2147483647}, {L"-99999999999999999999", -2147483647 - 1}};
    for (const auto& [text, expected] : cases) {
        EXPECT_EQ(ReadInt(text), expected) << text;
    }
}

TEST(NumbersTest, ReadUnsignedReadsLikeAThirtyTwoBitWcstoul)
{
    const std::tuple<const wchar_t*, int, std::uint32_t> cases[] = {{L"0xFF0000", 0, 0xFF0000u}, {L"010", 0, 8u},
        {L"09", 0, 0u}, {L"0x", 0, 0u}, {L"ff00zz", 16, 0xFF00u}, {L"-5", 10, 0xFFFFFFFBu},
        {L"4294967296", 10, 0xFFFFFFFFu}, {L"12pt", 0, 12u}};
    for (const auto& [text, base, expected] : cases) {
        EXPECT_EQ(ReadUnsigned(text, base), expected) << text;
    }
}

TEST(NumbersTest, MulDivRoundsHalfAwayFromZeroAndFlagsOverflow)
{
    EXPECT_EQ(MulDivRounded(16, 150, 100), 24);
    EXPECT_EQ(MulDivRounded(5, 1, 2), 3);
    EXPECT_EQ(MulDivRounded(-5, 1, 2), -3);
    EXPECT_EQ(MulDivRounded(7, 3, -2), -11);
    EXPECT_EQ(MulDivRounded(1, 2, 0), -1);
    EXPECT_EQ(MulDivRounded(2147483647, 2, 1), -1);
}

} // namespace
} // namespace fennick
