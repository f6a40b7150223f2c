#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/ui/portable/MemoryFileList.h"
#include "ui/portable/CollectionTexts.h"
#include "ui/portable/FileRows.h"

namespace fennick {
namespace {

using testing::MemoryFileList;

std::vector<bool> Ticks(const MemoryFileList& list)
{
    std::vector<bool> ticks;
    for (const auto& row : list.rows)
        ticks.push_back(row.ticked);
    return ticks;
}

class TickByExtensionTest : public ::testing::Test {
protected:
    MemoryFileList list{{L"C:\\d\\b.TXT", L"C:\\d\\c.txt", L"C:\\x.y\\README", L"C:\\d\\a.tar.gz", L"C:\\d\\d.Txt",
                         L"C:\\d\\Makefile", L"C:\\d\\e.htm"}};
};

TEST_F(TickByExtensionTest, TicksEveryCaseOfTheExtension)
{
    TickByExtension(list, L".txt", true);
    EXPECT_EQ(Ticks(list), (std::vector<bool>{true, true, false, false, true, false, false}));
    TickByExtension(list, L".TXT", false);
    EXPECT_EQ(Ticks(list), (std::vector<bool>(7, false)));
}

TEST_F(TickByExtensionTest, NoExtensionKeyTicksExactlyTheFilesWithoutOne)
{
    TickByExtension(list, NoExtensionKey, true);
    EXPECT_EQ(Ticks(list), (std::vector<bool>{false, false, true, false, false, true, false}));
}

TEST_F(TickByExtensionTest, OtherRowsKeepTheirTicks)
{
    list.rows[6].ticked = true;
    list.rows[3].ticked = true;
    TickByExtension(list, L".gz", false);
    TickByExtension(list, L".txt", true);
    EXPECT_EQ(Ticks(list), (std::vector<bool>{true, true, false, false, true, false, true}));
}

TEST_F(TickByExtensionTest, ChangesOnlyRowsNotAlreadyInTheWantedState)
{
    list.rows[0].ticked = true;
    TickByExtension(list, L".txt", true);
    EXPECT_EQ(list.checkChanges, 2);
}

TEST(TickByExtensionLongPathTest, ReadsTheWholePath)
{
    // A path far beyond 260 characters whose extension lies past that point.
    const std::wstring longPath = L"C:\\" + std::wstring(300, L'd') + L"\\notes.txt";
    MemoryFileList list{{longPath, L"C:\\" + std::wstring(300, L'd') + L"\\notes"}};
    TickByExtension(list, L".txt", true);
    EXPECT_EQ(Ticks(list), (std::vector<bool>{true, false}));
}

TEST(CountTickedRowsTest, CountsOnlyTickedRows)
{
    MemoryFileList list{{L"a", L"b", L"c", L"d"}};
    EXPECT_EQ(CountTickedRows(list), 0);
    list.rows[1].ticked = true;
    list.rows[3].ticked = true;
    EXPECT_EQ(CountTickedRows(list), 2);
    EXPECT_EQ(CountTickedRows(MemoryFileList{}), 0);
}

TEST(CollectionTextsTest, FormatTheCountsIntoTheFixedTexts)
{
    EXPECT_EQ(StatusLineText(0, 0), L"등록된 파일 : 0 개, 선택된 파일 : 0 개");
    EXPECT_EQ(StatusLineText(100000, 2345), L"등록된 파일 : 100000 개, 선택된 파일 : 2345 개");
    EXPECT_EQ(ExtensionGroupTitle(0), L"확장자 : 총 0개");
    EXPECT_EQ(ExtensionGroupTitle(12), L"확장자 : 총 12개");
}

} // namespace
} // namespace fennick
