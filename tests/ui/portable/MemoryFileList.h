#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace fennick::testing {

// A file list held in memory, with the members the list rules use. Out-of-range rows throw, so
// a rule that reads past the end fails its test.
class MemoryFileList {
public:
    struct Row {
        std::vector<std::wstring> texts;
        bool ticked = false;
    };

    MemoryFileList() = default;
    explicit MemoryFileList(const std::vector<std::wstring>& paths)
    {
        for (const std::wstring& path : paths)
            rows.push_back({{path, L""}});
    }

    int RowCount() const { return static_cast<int>(rows.size()); }
    bool GetCheck(int row) const { return rows.at(row).ticked; }
    void SetCheck(int row, bool tick)
    {
        rows.at(row).ticked = tick;
        ++checkChanges;
    }
    const std::vector<std::wstring>& GetRowTexts(int row) const { return rows.at(row).texts; }
    void SetCellText(int row, int column, std::wstring_view text) { rows.at(row).texts.at(column) = text; }

    std::vector<Row> rows;
    int checkChanges = 0;
};

} // namespace fennick::testing
