#include "markup/portable/Numbers.h"

#include "tests/markup/support/Printable.h"

#include <gtest/gtest.h>

#include <string>

namespace fennick {
namespace {

struct IntCase {
    const wchar_t* text;
    int expected;
};

void PrintTo(const IntCase& c, std::ostream* out)
{
    *out << test::Printable(c.text);
}

class ReadIntTest : public testing::TestWithParam<IntCase> { };

TEST_P(ReadIntTest, ReadsLikeTheCLibrary)
{
    EXPECT_EQ(ReadInt(GetParam().text), GetParam().expected) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(Numbers, ReadIntTest,
    testing::Values(IntCase{L"42", 42}, IntCase{L"  -17px", -17}, IntCase{L"+8", 8}, IntCase{L"1.5in", 1},
        IntCase{L"abc", 0}, IntCase{L"", 0}, IntCase{L"99999999999", 2147483647},
        IntCase{L"-99999999999999999999", -2147483647 - 1}));

struct UnsignedCase {
    const wchar_t* text;
    int base;
    std::uint32_t expected;
};

void PrintTo(const UnsignedCase& c, std::ostream* out)
{
    *out << test::Printable(c.text);
}

class ReadUnsignedTest : public testing::TestWithParam<UnsignedCase> { };

TEST_P(ReadUnsignedTest, ReadsLikeAThirtyTwoBitWcstoul)
{
    EXPECT_EQ(ReadUnsigned(GetParam().text, GetParam().base), GetParam().expected) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(Numbers, ReadUnsignedTest,
    testing::Values(UnsignedCase{L"255", 0, 255u}, UnsignedCase{L"0xFF0000", 0, 0xFF0000u}, UnsignedCase{L"010", 0, 8u},
        UnsignedCase{L"09", 0, 0u}, UnsignedCase{L"0x", 0, 0u}, UnsignedCase{L"0xg", 16, 0u},
        UnsignedCase{L"ff00zz", 16, 0xFF00u}, UnsignedCase{L"-1", 0, 0xFFFFFFFFu}, UnsignedCase{L"-5", 10, 0xFFFFFFFBu},
        UnsignedCase{L"4294967296", 10, 0xFFFFFFFFu}, UnsignedCase{L"12pt", 0, 12u}));

TEST(MulDivRoundedTest, RoundsHalfAwayFromZeroAndFlagsOverflow)
{
    EXPECT_EQ(MulDivRounded(16, 150, 100), 24);
    EXPECT_EQ(MulDivRounded(5, 1, 2), 3);
    EXPECT_EQ(MulDivRounded(-5, 1, 2), -3);
    EXPECT_EQ(MulDivRounded(7, 3, -2), -11);
    EXPECT_EQ(MulDivRounded(1, 2, 0), -1);
    EXPECT_EQ(MulDivRounded(2147483647, 2, 1), -1);
    EXPECT_EQ(MulDivRounded(2147483647, 1000, 1000), 2147483647);
}

} // namespace
} // namespace fennick
