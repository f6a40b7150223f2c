#include <gtest/gtest.h>

#include <string>

#include "controls/portable/CellComparison.h"
#include "controls/portable/ColumnSpec.h"
#include "controls/portable/HeaderWidthArchive.h"

namespace fennick {
namespace {

using ::testing::PrintToString;

TEST(ColumnSpec, GivesTheDescribedColumns)
{
    const struct {
        const wchar_t* spec;
        std::vector<ColumnDescription> columns;
    } cases[] = {
        {L"파일 또는 폴더,380;결과,60", {{L"파일 또는 폴더", 380}, {L"결과", 60}}},
        {L"", {}},
        {L"a", {}},
        {L"a,10;tail", {{L"a", 10}}},
        {L"a;b,10", {{L"a;b", 10}}},
        {L"a,x;b, 12px;c,-3", {{L"a", 0}, {L"b", 12}, {L"c", -3}}},
        {L"a,1,2;b,3", {{L"a", 1}, {L"b", 3}}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ParseColumnSpec(c.spec), c.columns) << PrintToString(std::wstring(c.spec));
}

TEST(HeaderWidthArchive, KeepsTheCountThenEachWidthAndGivesNothingForAnotherCount)
{
    using Bytes = std::vector<std::uint8_t>;
    Archive archive;
    StoreHeaderWidths(archive, {75, 0x01020304, -1});
    EXPECT_EQ(archive.Bytes(), (Bytes{3, 0, 0, 0, 75, 0, 0, 0, 4, 3, 2, 1, 0xFF, 0xFF, 0xFF, 0xFF}));
    Archive loading(archive.Bytes());
    EXPECT_EQ(LoadHeaderWidths(loading, 3), (std::vector<int>{75, 0x01020304, -1}));

    // More widths than items, cut short, nothing: never part of a list.
    for (const Bytes& bytes :
         {Bytes{3, 0, 0, 0, 1, 0, 0, 0, 2, 0, 0, 0, 3, 0, 0, 0}, Bytes{2, 0, 0, 0, 1, 0, 0, 0, 2, 0}, Bytes{}}) {
        Archive stored(bytes);
        EXPECT_EQ(LoadHeaderWidths(stored, 2), std::nullopt) << PrintToString(bytes);
    }
    // A mismatch reads the count only; what follows stays for the next reader.
    Archive mismatched(Bytes{2, 0, 0, 0, 10, 0, 0, 0, 20, 0, 0, 0});
    EXPECT_EQ(LoadHeaderWidths(mismatched, 3), std::nullopt);
    EXPECT_EQ(mismatched.ReadInt32(), 10);
}

TEST(CellKinds, NumberAndDateTextsAreRecognisedByTheirCharacters)
{
    EXPECT_TRUE(IsNumberText(L"") && IsNumberText(L"0123"));
    EXPECT_FALSE(IsNumberText(L"12a") || IsNumberText(L"-1") || IsNumberText(L" 1") || IsNumberText(L"\xFF11"));
    EXPECT_TRUE(IsDateText(L"05/03/2009"));
    EXPECT_FALSE(IsDateText(L"5/03/2009") || IsDateText(L"05/03/20091") || IsDateText(L"05-03-2009") ||
                 IsDateText(L"05/03/200x"));
}

TEST(CellComparison, NumbersByLeadingIntegersHoweverLongAndDatesByYearMonthDay)
{
    const struct {
        int (*compare)(std::wstring_view, std::wstring_view);
        const wchar_t* first;
        const wchar_t* second;
        int order;
    } cases[] = {
        {CompareNumberTexts, L"9", L"10", -1},
        {CompareNumberTexts, L"007", L"7", 0},
        {CompareNumberTexts, L"5", L"성공", 1},
        {CompareNumberTexts, L"5", L"12abc", -1},
        {CompareNumberTexts, L"123456789012345678901", L"123456789012345678902", -1},
        {CompareDateTexts, L"05/03/2009", L"01/04/2009", -1},
        {CompareDateTexts, L"05/03/2009", L"31/12/2008", 1},
        {CompareDateTexts, L"05/03/2009", L"04/03/2009", 1},
        // The second text is read where a date has its parts; a missing part is 0.
        {CompareDateTexts, L"05/03/2009", L"05/03", 1},
        {CompareDateTexts, L"05/03/2009", L"05/03/2009 noon", 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.compare(c.first, c.second), c.order)
            << PrintToString(std::wstring(c.first)) << " vs " << PrintToString(std::wstring(c.second));
}

} // namespace
} // namespace fennick
