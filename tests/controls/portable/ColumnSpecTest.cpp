#include <gtest/gtest.h>

#include "controls/portable/ColumnSpec.h"

namespace fennick {
namespace {

TEST(ColumnSpec, GivesTheDescribedColumns)
{
    const struct {
        const wchar_t* spec;
        std::vector<ColumnDescription> columns;
    } cases[] = {
        {L"파일 또는 폴더,380;결과,60", {{L"파일 또는 폴더", 380}, {L"결과", 60}}},
        {L"a,10;", {{L"a", 10}}}, {L"", {}}, {L"a", {}}, {L"a,10;tail", {{L"a", 10}}},
        // A description without a comma becomes part of the next column's name.
        {L"a;b,10", {{L"a;b", 10}}}, {L" spaced name ,5", {{L" spaced name ", 5}}}, {L",7", {{L"", 7}}},
        // Widths are read as leading integers: empty or non-numeric is 0.
        {L"a,x", {{L"a", 0}}}, {L"a,;b,3", {{L"a", 0}, {L"b", 3}}},
        {L"a, 12px;b,+4;c,-3", {{L"a", 12}, {L"b", 4}, {L"c", -3}}},
        // The width stops at the next ";", so a second comma belongs to the width text.
        {L"a,1,2;b,3", {{L"a", 1}, {L"b", 3}}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ParseColumnSpec(c.spec), c.columns) << ::testing::PrintToString(std::wstring(c.spec));
}

} // namespace
} // namespace fennick
