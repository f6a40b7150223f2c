#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace fennick::testing {

// A file list in memory with the members the list rules use; rows out of range throw.
struct MemoryFileList {
    struct Row {
        std::vector<std::wstring> texts;
        bool ticked = false;
    };

    int RowCount() const { return static_cast<int>(rows.size()); }
    bool GetCheck(int row) const { return rows.at(row).ticked; }
    void SetCheck(int row, bool tick) { rows.at(row).ticked = tick, ++checkChanges; }
    const std::vector<std::wstring>& GetRowTexts(int row) const { return rows.at(row).texts; }
    void SetCellText(int row, int column, std::wstring_view text) { rows.at(row).texts.at(column) = text; }

    std::vector<Row> rows;
    int checkChanges = 0;
};

inline MemoryFileList ListOf(const std::vector<std::wstring>& paths)
{
    MemoryFileList list;
    for (const std::wstring& path : paths)
        list.rows.push_back({{path, L""}});
    return list;
}

} // namespace fennick::testing
