#include <gtest/gtest.h>

#include <climits>

#include "controls/portable/LeadingInteger.h"

namespace fennick {
namespace {

TEST(LeadingInteger, ReadsLikeTheRunTimeConversion)
{
    const struct {
        const wchar_t* text;
        int value;
    } cases[] = {
        {L"", 0},          {L"abc", 0},        {L"42", 42},        {L"  \t17", 17},
        {L"-8", -8},       {L"+8", 8},         {L"12abc", 12},     {L"- 3", 0},
        {L"0009", 9},      {L"-0", 0},         {L"2147483647", INT_MAX},
        {L"2147483648", INT_MAX},              {L"-2147483648", INT_MIN},
        {L"-99999999999999999999", INT_MIN},   {L"\x0661\x0662", 0}, // Arabic-Indic digits
    };
    for (const auto& c : cases)
        EXPECT_EQ(LeadingInteger(c.text), c.value) << ::testing::PrintToString(std::wstring(c.text));
}

TEST(LeadingInteger, OrdersNumbersOfAnyLengthExactly)
{
    const struct {
        const wchar_t* first;
        const wchar_t* second;
        int order;
    } cases[] = {
        {L"9", L"10", -1},
        {L"10", L"9", 1},
        {L"007", L"7", 0},
        {L"", L"0", 0},
        {L"x", L"-0", 0},
        {L"-5", L"3", -1},
        {L"-5", L"-30", 1},
        {L"30000000000", L"25000000000", 1}, // both beyond int
        {L"123456789012345678901234567890", L"123456789012345678901234567891", -1},
        {L"12abc", L"12", 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(CompareLeadingIntegers(c.first, c.second), c.order)
            << ::testing::PrintToString(std::wstring(c.first)) << " vs "
            << ::testing::PrintToString(std::wstring(c.second));
    }
}

} // namespace
} // namespace fennick
