#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "framework/portable/LeadingInteger.h"

namespace fennick {
namespace {

TEST(LeadingInteger, ReadsSignAndDigitsAfterWhiteSpaceAndSaturatesBeyondTheIntRange)
{
    const std::pair<const wchar_t*, int> cases[] = {
        {L"42px", 42},
        {L" \t\r\n\v\f-17", -17},
        {L"+8", 8},
        {L"", 0},
        {L"x1", 0},
        {L"- 1", 0},
        {L"--1", 0},
        {L"\xFF11", 0}, // a full-width digit is no ASCII digit
        {L"\u30001", 0}, // nor is the ideographic space white space
        {L"2147483647", INT_MAX},
        {L"2147483648", INT_MAX},
        {L"-2147483648", INT_MIN},
        {L"-2147483649", INT_MIN},
        {L"00000000000000000000012", 12},
        {L"99999999999999999999999", INT_MAX},
        {L"-99999999999999999999999", INT_MIN},
    };
    for (const auto& [text, value] : cases)
        EXPECT_EQ(LeadingInteger(text), value) << ::testing::PrintToString(std::wstring(text));
}

} // namespace
} // namespace fennick
