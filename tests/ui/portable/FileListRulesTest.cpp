#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ui/portable/FileRows.h"

namespace fennick {
namespace {

// A file list in memory with the members the list rules use; rows out of range throw.
struct MemoryFileList {
    struct Row {
        std::vector<std::wstring> texts;
        bool ticked = false;
    };

    explicit MemoryFileList(const std::vector<std::wstring>& paths)
    {
        for (const std::wstring& path : paths)
            rows.push_back({{path, L""}});
    }
    int RowCount() const { return static_cast<int>(rows.size()); }
    bool GetCheck(int row) const { return rows.at(row).ticked; }
    void SetCheck(int row, bool tick) { rows.at(row).ticked = tick, ++checkChanges; }
    const std::vector<std::wstring>& GetRowTexts(int row) const { return rows.at(row).texts; }
    void SetCellText(int row, int column, std::wstring_view text) { rows.at(row).texts.at(column) = text; }

    std::vector<bool> Ticks() const
    {
        std::vector<bool> ticks;
        for (const Row& row : rows)
            ticks.push_back(row.ticked);
        return ticks;
    }

    std::vector<Row> rows;
    int checkChanges = 0;
};

TEST(FileListRulesTest, TickingAnExtensionTicksAllItsAsciiCasesAndLeavesOtherRows)
{
    const std::wstring longFolder = L"C:\\" + std::wstring(300, L'd'); // the extension lies past 260
    MemoryFileList list(
        {L"C:\\d\\b.TXT", L"C:\\x.y\\README", longFolder + L"\\c.txt", L"C:\\a.tar.gz", L"e", L"f.tx", L"g.Ä"});
    list.rows[3].ticked = true;

    TickByExtension(list, L".txt", true);
    TickByExtension(list, L".ä", true);
    EXPECT_EQ(list.Ticks(), (std::vector<bool>{true, false, true, true, false, false, false}));
    EXPECT_EQ(CountTickedRows(list), 3);
    TickByExtension(list, kNoExtensionKey, true);
    TickByExtension(list, L".TXT", false);
    TickByExtension(list, L".txt", false);
    EXPECT_EQ(list.Ticks(), (std::vector<bool>{false, true, false, true, true, false, false}));
    EXPECT_EQ(list.checkChanges, 6); // rows already in the wanted state are not touched
}

} // namespace
} // namespace fennick
