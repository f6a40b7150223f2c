#include <gtest/gtest.h>

#include <string>
#include <utility>
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

TEST(BatchRunTest, RunsTakeTickedRowsInListOrderAndConversionSkipsThoseWithAResult)
{
    MemoryFileList list = ListOf({L"f", L"e", L"d", L"c", L"b", L"a"}); // as sorted by a header click
    for (const int row : {0, 1, 3, 4, 5})
        list.rows[row].ticked = true;
    list.rows[1].texts[ResultColumn] = L"실패";
    list.rows[2].texts[ResultColumn] = L"성공"; // unticked

    const auto taken = [&](FinishedRows finishedRows) {
        std::vector<std::pair<int, std::wstring>> rows;
        for (const RunItem& item : RowsToRun(list, finishedRows))
            rows.emplace_back(item.row, item.path);
        return rows;
    };
    using Rows = std::vector<std::pair<int, std::wstring>>;
    EXPECT_EQ(taken(FinishedRows::Skip), (Rows{{0, L"f"}, {3, L"c"}, {4, L"b"}, {5, L"a"}}));
    EXPECT_EQ(taken(FinishedRows::Redo), (Rows{{0, L"f"}, {1, L"e"}, {3, L"c"}, {4, L"b"}, {5, L"a"}}));
}

} // namespace
} // namespace fennick
