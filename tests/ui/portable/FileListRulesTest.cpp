#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/ui/portable/MemoryFileList.h"
#include "ui/portable/BatchRuns.h"
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
    TickByExtension(list, NoExtensionKey, true);
    TickByExtension(list, L".TXT", false);
    TickByExtension(list, L".txt", false);
    EXPECT_EQ(Ticks(list), (std::vector<bool>{false, true, false, true, true, false, false}));
    EXPECT_EQ(list.checkChanges, 6); // rows already in the wanted state are not touched
}

TEST(BatchRunTest, ConversionTakesTickedRowsWithoutResultInListOrder)
{
    MemoryFileList list = ListOf({L"f", L"e", L"d", L"c", L"b", L"a"}); // as sorted by a header click
    for (const int row : {0, 1, 3, 4, 5})
        list.rows[row].ticked = true;
    list.rows[1].texts[ResultColumn] = L"실패";
    list.rows[2].texts[ResultColumn] = L"성공"; // unticked

    std::vector<std::wstring> processed;
    RunOnTickedRows(list, FinishedRows::Skip, [&](const std::wstring& path) {
        processed.push_back(path);
        return path != L"c";
    });
    EXPECT_EQ(processed, (std::vector<std::wstring>{L"f", L"c", L"b", L"a"}));
    std::vector<std::wstring> results;
    for (const auto& row : list.rows)
        results.push_back(row.texts[ResultColumn]);
    EXPECT_EQ(results, (std::vector<std::wstring>{L"성공", L"실패", L"성공", L"실패", L"성공", L"성공"}));
}

} // namespace
} // namespace fennick
