#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "controls/portable/CellComparison.h"

namespace fennick {
namespace {

TEST(CellKinds, NumberAndDateTextsAreRecognisedByTheirCharacters)
{
    const struct {
        const wchar_t* text;
        bool number;
        bool date;
    } cases[] = {
        {L"", true, false},           {L"0123", true, false},        {L"12a", false, false},
        {L"-1", false, false},        {L" 1", false, false},         {L"\xFF11", false, false},
        {L"05/03/2009", false, true}, {L"5/03/2009", false, false},  {L"05/03/20091", false, false},
        {L"05-03-2009", false, false}, {L"05/03/200x", false, false}, {L"0503/2009/", false, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(IsNumberText(c.text), c.number) << ::testing::PrintToString(std::wstring(c.text));
        EXPECT_EQ(IsDateText(c.text), c.date) << ::testing::PrintToString(std::wstring(c.text));
    }
}

TEST(CellComparison, NumbersByLeadingIntegersHoweverLongAndDatesByYearMonthDay)
{
    const struct {
        int (*compare)(std::wstring_view, std::wstring_view);
        const wchar_t* first;
        const wchar_t* second;
        int order;
    } cases[] = {
        {CompareNumberTexts, L"9", L"10", -1},  {CompareNumberTexts, L"007", L"7", 0},
        {CompareNumberTexts, L"", L"0", 0},     {CompareNumberTexts, L"5", L"성공", 1},
        {CompareNumberTexts, L"5", L"12abc", -1}, {CompareNumberTexts, L"5", L" -30", 1},
        {CompareNumberTexts, L"5", L"+5", 0},   {CompareNumberTexts, L"30000000000", L"25000000000", 1},
        {CompareNumberTexts, L"123456789012345678901", L"123456789012345678902", -1},
        {CompareDateTexts, L"05/03/2009", L"01/04/2009", -1}, {CompareDateTexts, L"05/03/2009", L"31/12/2008", 1},
        {CompareDateTexts, L"05/03/2009", L"04/03/2009", 1},  {CompareDateTexts, L"05/03/2009", L"05/03/2009", 0},
        // The second text is read where a date has its parts; a missing part is 0.
        {CompareDateTexts, L"05/03/2009", L"05/03", 1}, {CompareDateTexts, L"05/03/2009", L"05/03/2009 noon", 0},
        {CompareDateTexts, L"00/00/0000", L"garbage", 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.compare(c.first, c.second), c.order)
            << ::testing::PrintToString(std::wstring(c.first)) << " vs " << ::testing::PrintToString(std::wstring(c.second));
    }
}

} // namespace
} // namespace fennick
