#pragma once

#include <windows.h>
#include <commctrl.h>

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "controls/win32/SortHeaderCtrl.h"
#include "framework/win32/Control.h"

namespace fennick {

// A report-view list whose columns come from one specification "name,width;name,width…" and
// whose rows keep their own copies of their cell texts (RowData, in each item's lParam), so a
// header click can sort them by text: numbers as numbers, dd/mm/yyyy dates as dates, anything
// else by the user locale's comparison. The first click on a column sorts it ascending, each
// further click on it reverses the order. Rows are added only through AddRow; the stored texts
// are released by DeleteAllRows and when the window is destroyed.
class ColumnListCtrl : public Control {
public:
    ColumnListCtrl() = default;
    ~ColumnListCtrl() override;

    // Appends the described columns; false if the control refused one.
    bool SetColumns(std::wstring_view columnSpec);
    int ColumnCount() const { return columnCount_; }
    // Exactly ColumnCount() texts, in column order; returns the new row's index, or -1.
    int AddRow(std::initializer_list<std::wstring_view> texts);
    bool SetCellText(int row, int column, std::wstring_view text);
    const std::vector<std::wstring>& GetRowTexts(int row) const; // the row's stored texts
    bool DeleteAllRows();
    bool SortByColumn(int column, bool ascending);
    int RowCount() const;
    bool GetCheck(int row) const;
    void SetCheck(int row, bool checked);
    SortHeaderCtrl& Header() { return header_; }

protected:
    void PreSubclassWindow() override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    bool OnReflectedMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    struct RowData {
        std::vector<std::wstring> texts; // one per column
    };

    static int CALLBACK CompareRows(LPARAM first, LPARAM second, LPARAM list);
    void OnColumnClick(const NMLISTVIEW& notification);
    RowData* RowDataOf(int row) const;
    void FreeRowData(int row);
    void FreeAllRowData();

    SortHeaderCtrl header_;
    int columnCount_ = 0;
    int sortColumn_ = -1;
    bool ascending_ = true;
};

} // namespace fennick
