#include "controls/win32/ColumnListCtrl.h"

#include <commctrl.h>

#include <algorithm>
#include <string>

#include "controls/portable/ColumnSort.h"
#include "controls/portable/ColumnSpec.h"
#include "framework/win32/Application.h"

namespace fennick {

namespace {

constexpr UINT kUnchecked = INDEXTOSTATEIMAGEMASK(1);
constexpr UINT kChecked = INDEXTOSTATEIMAGEMASK(2);

// The key of the order that lstrcmpW gives (the thread locale's word sort), made once per row
// instead of once per comparison.
std::string LocaleSortKey(std::wstring_view text)
{
    if (text.empty())
        return {}; // first, as lstrcmpW puts it; the system refuses an empty source
    const LCID locale = GetThreadLocale();
    const auto length = static_cast<int>(text.size());
    // One call for the usual lengths; a longer text is measured first.
    char buffer[1024];
    int size =
        LCMapStringW(locale, LCMAP_SORTKEY, text.data(), length, reinterpret_cast<LPWSTR>(buffer), sizeof buffer);
    if (size > 0)
        return std::string(buffer, static_cast<size_t>(size));
    std::string key(static_cast<size_t>(LCMapStringW(locale, LCMAP_SORTKEY, text.data(), length, nullptr, 0)), '\0');
    size = LCMapStringW(locale, LCMAP_SORTKEY, text.data(), length, reinterpret_cast<LPWSTR>(key.data()),
                        static_cast<int>(key.size()));
    key.resize(static_cast<size_t>(std::max(size, 0)));
    return key;
}

} // namespace

void ColumnListCtrl::PreSubclassWindow()
{
    Control::PreSubclassWindow();
    header_.Attach(reinterpret_cast<HWND>(Send(LVM_GETHEADER)));
    // The list keeps no ticks of its own: it asks for them with the texts.
    Send(LVM_SETCALLBACKMASK, LVIS_STATEIMAGEMASK);
}

LRESULT ColumnListCtrl::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    // Rows are added without telling the list one by one; it learns their number before it is
    // asked anything or paints.
    if (countPending_)
        SyncItemCount();
    switch (message) {
    case WM_DESTROY:
        rows_ = {};
        break;
    }
    return Control::WindowProc(message, wParam, lParam);
}

bool ColumnListCtrl::OnReflectedMessage(UINT message, WPARAM, LPARAM lParam, LRESULT& result)
{
    if (message != WM_NOTIFY)
        return false;
    switch (reinterpret_cast<const NMHDR*>(lParam)->code) {
    case LVN_GETDISPINFOW:
        OnGetDispInfo(*reinterpret_cast<NMLVDISPINFOW*>(lParam));
        result = 0;
        return true;
    case LVN_COLUMNCLICK:
        OnColumnClick(*reinterpret_cast<const NMLISTVIEW*>(lParam));
        result = 0;
        return true;
    case LVN_ODFINDITEMW: {
        const auto& request = *reinterpret_cast<const NMLVFINDITEMW*>(lParam);
        result = FindRow(request.lvfi, request.iStart);
        return true;
    }
    // Ticked here, and then left to the parent, which sees the new tick.
    case NM_CLICK:
        OnClick(*reinterpret_cast<const NMITEMACTIVATE*>(lParam));
        return false;
    case LVN_KEYDOWN:
        OnKeyDown(*reinterpret_cast<const NMLVKEYDOWN*>(lParam));
        return false;
    }
    return false;
}

void ColumnListCtrl::SetExtendedStyle(DWORD style)
{
    Send(LVM_SETEXTENDEDLISTVIEWSTYLE, 0, style);
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

int ColumnListCtrl::GetColumnWidth(int column) const
{
    return static_cast<int>(Send(LVM_GETCOLUMNWIDTH, static_cast<WPARAM>(column)));
}

bool ColumnListCtrl::SetColumnWidth(int column, int width)
{
    return Send(LVM_SETCOLUMNWIDTH, static_cast<WPARAM>(column), MAKELPARAM(width, 0)) != 0;
}

ColumnListCtrl::Hit ColumnListCtrl::HitTest(POINT point) const
{
    LVHITTESTINFO hit{};
    hit.pt = point;
    // Not LVM_HITTEST: with full-row selection it reports the whole row as the check box.
    Send(LVM_SUBITEMHITTEST, 0, reinterpret_cast<LPARAM>(&hit));
    return {hit.iItem, hit.iSubItem, (hit.flags & LVHT_ONITEMSTATEICON) != 0};
}

int ColumnListCtrl::AddRow(std::initializer_list<std::wstring_view> texts)
{
    if (columnCount_ == 0 || texts.size() != static_cast<size_t>(columnCount_))
        return -1;
    rows_.push_back({std::vector<std::wstring>(texts.begin(), texts.end())});
    countPending_ = true;
    return RowCount() - 1;
}

bool ColumnListCtrl::SetCellText(int row, int column, std::wstring_view text)
{
    if (row < 0 || row >= RowCount() || column < 0 || column >= columnCount_)
        return false;
    rows_[static_cast<size_t>(row)].texts[static_cast<size_t>(column)] = text;
    RedrawRowIfShown(row);
    return true;
}

const std::vector<std::wstring>& ColumnListCtrl::GetRowTexts(int row) const
{
    static const std::vector<std::wstring> noTexts;
    return row >= 0 && row < RowCount() ? rows_[static_cast<size_t>(row)].texts : noTexts;
}

bool ColumnListCtrl::DeleteAllRows()
{
    if (!Send(LVM_DELETEALLITEMS))
        return false;
    rows_.clear();
    return true;
}

bool ColumnListCtrl::SortByColumn(int column, bool ascending)
{
    if (column < 0 || column >= columnCount_)
        return false;
    sortColumn_ = column;
    ascending_ = ascending;
    header_.SetSortArrow(column, ascending);

    std::vector<std::wstring_view> cells;
    cells.reserve(rows_.size());
    for (const RowData& row : rows_)
        cells.push_back(row.texts[static_cast<size_t>(column)]);
    const std::vector<size_t> order = SortedRowOrder(cells, ascending, LocaleSortKey);

    std::vector<RowData> sorted;
    sorted.reserve(rows_.size());
    std::vector<int> placeOf(rows_.size());
    for (const size_t row : order) {
        placeOf[row] = static_cast<int>(sorted.size());
        sorted.push_back(std::move(rows_[row]));
    }
    rows_ = std::move(sorted);
    MoveListStates(placeOf);
    InvalidateRect(Handle(), nullptr, FALSE);
    return true;
}

bool ColumnListCtrl::GetCheck(int row) const
{
    return row >= 0 && row < RowCount() && rows_[static_cast<size_t>(row)].checked;
}

void ColumnListCtrl::SetCheck(int row, bool checked)
{
    if (row < 0 || row >= RowCount() || rows_[static_cast<size_t>(row)].checked == checked)
        return;
    rows_[static_cast<size_t>(row)].checked = checked;
    RedrawRowIfShown(row);
}

void ColumnListCtrl::OnColumnClick(const NMLISTVIEW& notification)
{
    if (locked_)
        return;
    WaitCursor wait; // a hundred thousand rows take a moment
    const int column = notification.iSubItem;
    SortByColumn(column, column == sortColumn_ ? !ascending_ : true);
}

void ColumnListCtrl::OnGetDispInfo(NMLVDISPINFOW& request) const
{
    LVITEMW& item = request.item;
    if (item.iItem < 0 || item.iItem >= RowCount())
        return;
    const RowData& row = rows_[static_cast<size_t>(item.iItem)];
    if ((item.mask & LVIF_TEXT) != 0 && item.pszText != nullptr && item.cchTextMax > 0 && item.iSubItem >= 0 &&
        item.iSubItem < columnCount_)
        lstrcpynW(item.pszText, row.texts[static_cast<size_t>(item.iSubItem)].c_str(), item.cchTextMax);
    if ((item.mask & LVIF_STATE) != 0) {
        item.state = (item.state & ~LVIS_STATEIMAGEMASK) | (row.checked ? kChecked : kUnchecked);
        item.stateMask |= LVIS_STATEIMAGEMASK;
    }
}

// Typing on the list: the next row, from `start` on and then from the top when asked to wrap,
// whose first text is the typed one (case ignored), or begins with it.
int ColumnListCtrl::FindRow(const LVFINDINFOW& find, int start) const
{
    if ((find.flags & (LVFI_STRING | LVFI_PARTIAL)) == 0 || find.psz == nullptr)
        return -1;
    const int typedLength = lstrlenW(find.psz);
    const auto matches = [&](const std::wstring& text) {
        const int length = (find.flags & LVFI_PARTIAL) != 0 ? std::min(typedLength, static_cast<int>(text.size()))
                                                            : static_cast<int>(text.size());
        return CompareStringW(LOCALE_USER_DEFAULT, NORM_IGNORECASE, text.c_str(), length, find.psz, typedLength) ==
               CSTR_EQUAL;
    };
    const int count = RowCount();
    const int first = std::clamp(start, 0, count);
    const int searched = (find.flags & LVFI_WRAP) != 0 ? count : count - first;
    for (int step = 0; step < searched; ++step) {
        const int row = (first + step) % count;
        if (matches(rows_[static_cast<size_t>(row)].texts[0]))
            return row;
    }
    return -1;
}

void ColumnListCtrl::OnClick(const NMITEMACTIVATE& click)
{
    if (locked_)
        return;
    const Hit hit = HitTest(click.ptAction);
    if (hit.row >= 0 && hit.column == 0 && hit.onCheckBox)
        SetCheck(hit.row, !GetCheck(hit.row));
}

void ColumnListCtrl::OnKeyDown(const NMLVKEYDOWN& key)
{
    if (key.wVKey != VK_SPACE || locked_)
        return;
    if (const int focused = FocusedRow(); focused >= 0)
        SetCheck(focused, !GetCheck(focused));
}

void ColumnListCtrl::SyncItemCount()
{
    countPending_ = false;
    Send(LVM_SETITEMCOUNT, static_cast<WPARAM>(rows_.size()), LVSICF_NOSCROLL);
}

// Changes to rows out of sight wait for the list to ask for them when it shows them.
void ColumnListCtrl::RedrawRowIfShown(int row)
{
    const int top = static_cast<int>(Send(LVM_GETTOPINDEX));
    const int shown = static_cast<int>(Send(LVM_GETCOUNTPERPAGE));
    if (row >= top && row <= top + shown)
        Send(LVM_REDRAWITEMS, static_cast<WPARAM>(row), row);
}

int ColumnListCtrl::FocusedRow() const
{
    return NextRow(-1, LVNI_FOCUSED);
}

// The next row after `row` (or the first, from -1) in the given list-view state; -1 at the end.
int ColumnListCtrl::NextRow(int row, UINT state) const
{
    const int next = static_cast<int>(Send(LVM_GETNEXTITEM, static_cast<WPARAM>(row), state));
    return next < RowCount() ? next : -1;
}

// Rows take their selection and focus with them, as in a list that held them. Only the rows
// that have either are visited: a change for all rows at once costs a call per row.
void ColumnListCtrl::MoveListStates(const std::vector<int>& placeOf)
{
    std::vector<std::pair<int, UINT>> states;
    for (int row = -1; (row = NextRow(row, LVNI_SELECTED)) >= 0;)
        states.emplace_back(row, LVIS_SELECTED);
    if (const int focused = FocusedRow(); focused >= 0)
        states.emplace_back(focused, LVIS_FOCUSED);
    for (const auto& [row, state] : states)
        SetItemState(row, 0, state);
    for (const auto& [row, state] : states)
        SetItemState(placeOf[static_cast<size_t>(row)], state, state);
}

void ColumnListCtrl::SetItemState(int row, UINT state, UINT mask)
{
    LVITEMW item{};
    item.state = state;
    item.stateMask = mask;
    Send(LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
}

} // namespace fennick
