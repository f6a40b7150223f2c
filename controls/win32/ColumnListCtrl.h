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
// whose rows are held by this object (RowData: the cell texts and the tick), so a header click
// can sort them by text: a column of numbers as numbers, a column of dd/mm/yyyy dates as dates,
// any other by the user locale's comparison (SortedRowOrder). The first click on a column sorts
// it ascending, each further click on it reverses the order.
//
// The list view must be created with LVS_OWNERDATA: it only asks for what it shows, so a hundred
// thousand rows are added, ticked and sorted in memory instead of one control call each. Its
// parent must reflect notifications (a framework Window does): the texts and ticks are answered
// from the rows, and a click on a check box or the space bar ticks the row here before the
// parent sees the notification. The control's own operations (item count, texts, check-box
// state) keep working from outside.
class ColumnListCtrl : public Control {
public:
    ColumnListCtrl() = default;

    // Sets exactly these extended list-view styles (LVS_EX_*).
    void SetExtendedStyle(DWORD style);

    // Appends the described columns; false if the control refused one.
    bool SetColumns(std::wstring_view columnSpec);
    int ColumnCount() const { return columnCount_; }
    int GetColumnWidth(int column) const;
    bool SetColumnWidth(int column, int width);

    // What a point of the client area hits: a row (-1 for none), a column, the row's check box.
    struct Hit {
        int row = -1;
        int column = -1;
        bool onCheckBox = false;
    };
    Hit HitTest(POINT point) const;

    // Exactly ColumnCount() texts, in column order; returns the new row's index, or -1.
    int AddRow(std::initializer_list<std::wstring_view> texts);
    bool SetCellText(int row, int column, std::wstring_view text);
    const std::vector<std::wstring>& GetRowTexts(int row) const; // the row's stored texts
    bool DeleteAllRows();
    bool SortByColumn(int column, bool ascending);
    int RowCount() const { return static_cast<int>(rows_.size()); }
    int FocusedRow() const; // -1 when no row has the focus
    bool GetCheck(int row) const;
    void SetCheck(int row, bool checked);
    SortHeaderCtrl& Header() { return header_; }
    // While locked, the user ticks no row and sorts nothing; the program still changes rows.
    void SetLocked(bool locked) { locked_ = locked; }

protected:
    void PreSubclassWindow() override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    bool OnReflectedMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    struct RowData {
        std::vector<std::wstring> texts; // one per column
        bool checked = false;
    };

    void OnColumnClick(const NMLISTVIEW& notification);
    void OnGetDispInfo(NMLVDISPINFOW& request) const;
    int FindRow(const LVFINDINFOW& find, int start) const;
    void OnClick(const NMITEMACTIVATE& click);
    void OnKeyDown(const NMLVKEYDOWN& key);
    void SyncItemCount();
    void RedrawRowIfShown(int row);
    int NextRow(int row, UINT state) const;
    void MoveListStates(const std::vector<int>& placeOf);
    void SetItemState(int row, UINT state, UINT mask);

    SortHeaderCtrl header_;
    std::vector<RowData> rows_;
    int columnCount_ = 0;
    int sortColumn_ = -1;
    bool ascending_ = true;
    bool countPending_ = false; // rows added since the list was last told their number
    bool locked_ = false;
};

} // namespace fennick
