#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/ui/portable/MemoryFileList.h"
#include "ui/portable/FileRows.h"

namespace fennick {
namespace {

using testing::ListOf;
using testing::MemoryFileList;

std::vector<bool> Ticks(const MemoryFileList& list)
{
    std::vector<bool> ticks;
    for (const auto& row : list.rows)
        ticks.push_back(row.ticked);
    return ticks;
}

TEST(FileListRulesTest, TickingAnExtensionTicksAllItsAsciiCasesAndLeavesOtherRows)
{
    const std::wstring longFolder = L"C:\\" + std::wstring(300, L'd'); // the extension lies past 260
    MemoryFileList list =
        ListOf({L"C:\\d\\b.TXT", L"C:\\x.y\\README", longFolder + L"\\c.txt", L"C:\\a.tar.gz", L"e", L"f.tx", L"g.Ä"});
    list.rows[3].ticked = true;

    TickByExtension(list, L".txt", true);
    TickByExtension(list, L".ä", true);
    EXPECT_EQ(Ticks(list), (std::vector<bool>{true, false, true, true, false, false, false}));
    EXPECT_EQ(CountTickedRows(list), 3);
    TickByExtension(list, kNoExtensionKey, true);
    TickByExtension(list, L".TXT", false);
    TickByExtension(list, L".txt", false);
    EXPECT_EQ(Ticks(list), (std::vector<bool>{false, true, false, true, true, false, false}));
    EXPECT_EQ(list.checkChanges, 6); // rows already in the wanted state are not touched
}

} // namespace
} // namespace fennick
