#include "controls/win32/ColumnListCtrl.h"

#include <commctrl.h>

#include <memory>

#include "controls/portable/CellComparison.h"
#include "controls/portable/ColumnSpec.h"

namespace fennick {

namespace {

int LocaleTextOrder(const wchar_t* first, const wchar_t* second)
{
    return lstrcmpW(first, second);
}

} // namespace

ColumnListCtrl::~ColumnListCtrl()
{
    // A list still alive when its object goes would keep texts nobody could release.
    if (Handle() != nullptr)
        FreeAllRowData();
}

void ColumnListCtrl::PreSubclassWindow()
{
    Control::PreSubclassWindow();
    header_.Attach(reinterpret_cast<HWND>(Send(LVM_GETHEADER)));
}

LRESULT ColumnListCtrl::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_DESTROY:
        FreeAllRowData();
        break;
    }
    return Control::WindowProc(message, wParam, lParam);
}

bool ColumnListCtrl::OnReflectedMessage(UINT message, WPARAM, LPARAM lParam, LRESULT& result)
{
    if (message != WM_NOTIFY || reinterpret_cast<const NMHDR*>(lParam)->code != LVN_COLUMNCLICK)
        return false;
    OnColumnClick(*reinterpret_cast<const NMLISTVIEW*>(lParam));
    result = 0;
    return true;
}

bool ColumnListCtrl::SetColumns(std::wstring_view columnSpec)
{
    for (const ColumnDescription& description : ParseColumnSpec(columnSpec)) {
        std::wstring name = description.name;
        LVCOLUMNW column{};
        column.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT;
        column.fmt = LVCFMT_LEFT;
        column.cx = description.width;
        column.pszText = name.data();
        // Counted before inserting, so rows keep a text for a refused column too.
        const int index = columnCount_++;
        if (Send(LVM_INSERTCOLUMNW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&column)) == -1)
            return false;
    }
    return true;
}

int ColumnListCtrl::AddRow(std::initializer_list<std::wstring_view> texts)
{
    if (columnCount_ == 0 || texts.size() != static_cast<size_t>(columnCount_))
        return -1;
    auto data = std::make_unique<RowData>();
    data->texts.assign(texts.begin(), texts.end());

    // The row carries its texts from the moment it exists.
    LVITEMW item{};
    item.mask = LVIF_TEXT | LVIF_PARAM;
    item.iItem = RowCount();
    item.pszText = data->texts[0].data();
    item.lParam = reinterpret_cast<LPARAM>(data.get());
    const int row = static_cast<int>(Send(LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item)));
    if (row == -1)
        return -1;
    data.release();
    const std::vector<std::wstring>& stored = GetRowTexts(row);
    for (int column = 1; column < columnCount_; ++column) {
        LVITEMW cell{};
        cell.iSubItem = column;
        cell.pszText = const_cast<wchar_t*>(stored[static_cast<size_t>(column)].c_str());
        Send(LVM_SETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&cell));
    }
    return row;
}

bool ColumnListCtrl::SetCellText(int row, int column, std::wstring_view text)
{
    RowData* data = column >= 0 && column < columnCount_ ? RowDataOf(row) : nullptr;
    if (data == nullptr)
        return false;
    std::wstring copy(text);
    LVITEMW cell{};
    cell.iSubItem = column;
    cell.pszText = copy.data();
    if (!Send(LVM_SETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&cell)))
        return false;
    data->texts[static_cast<size_t>(column)] = std::move(copy);
    return true;
}

const std::vector<std::wstring>& ColumnListCtrl::GetRowTexts(int row) const
{
    static const std::vector<std::wstring> noTexts;
    const RowData* data = RowDataOf(row);
    return data != nullptr ? data->texts : noTexts;
}

bool ColumnListCtrl::DeleteAllRows()
{
    // The texts go only once the rows are gone, so a refused deletion loses nothing.
    std::vector<std::unique_ptr<RowData>> released;
    for (int row = 0, count = RowCount(); row < count; ++row)
        released.emplace_back(RowDataOf(row));
    if (Send(LVM_DELETEALLITEMS))
        return true;
    for (auto& data : released)
        data.release();
    return false;
}

bool ColumnListCtrl::SortByColumn(int column, bool ascending)
{
    if (column < 0 || column >= columnCount_)
        return false;
    sortColumn_ = column;
    ascending_ = ascending;
    header_.SetSortArrow(column, ascending);
    return Send(LVM_SORTITEMS, reinterpret_cast<WPARAM>(this),
                reinterpret_cast<LPARAM>(&ColumnListCtrl::CompareRows)) != 0;
}

int ColumnListCtrl::RowCount() const
{
    return static_cast<int>(Send(LVM_GETITEMCOUNT));
}

bool ColumnListCtrl::GetCheck(int row) const
{
    const auto state = static_cast<UINT>(Send(LVM_GETITEMSTATE, static_cast<WPARAM>(row), LVIS_STATEIMAGEMASK));
    return (state >> 12) == 2;
}

void ColumnListCtrl::SetCheck(int row, bool checked)
{
    LVITEMW item{};
    item.stateMask = LVIS_STATEIMAGEMASK;
    item.state = INDEXTOSTATEIMAGEMASK(checked ? 2 : 1);
    Send(LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
}

int CALLBACK ColumnListCtrl::CompareRows(LPARAM first, LPARAM second, LPARAM list)
{
    const auto* self = reinterpret_cast<const ColumnListCtrl*>(list);
    const auto column = static_cast<size_t>(self->sortColumn_);
    return CompareCells(reinterpret_cast<const RowData*>(first)->texts[column],
                        reinterpret_cast<const RowData*>(second)->texts[column], self->ascending_,
                        LocaleTextOrder);
}

void ColumnListCtrl::OnColumnClick(const NMLISTVIEW& notification)
{
    const int column = notification.iSubItem;
    SortByColumn(column, column == sortColumn_ ? !ascending_ : true);
}

ColumnListCtrl::RowData* ColumnListCtrl::RowDataOf(int row) const
{
    LVITEMW item{};
    item.mask = LVIF_PARAM;
    item.iItem = row;
    if (row < 0 || !Send(LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item)))
        return nullptr;
    return reinterpret_cast<RowData*>(item.lParam);
}

void ColumnListCtrl::FreeRowData(int row)
{
    delete RowDataOf(row);
    LVITEMW item{};
    item.mask = LVIF_PARAM;
    item.iItem = row;
    item.lParam = 0;
    Send(LVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&item));
}

void ColumnListCtrl::FreeAllRowData()
{
    for (int row = 0, count = RowCount(); row < count; ++row)
        FreeRowData(row);
}

} // namespace fennick
