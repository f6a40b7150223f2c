#include "ui/win32/MainDialog.h"

#include "framework/win32/Application.h"
#include "framework/win32/DataExchange.h"
#include "framework/win32/MessageBox.h"
#include "resources/resource.h"
#include "ui/portable/CollectionSummary.h"
#include "ui/portable/CollectionTexts.h"
#include "ui/portable/DroppedItems.h"
#include "ui/portable/FileRows.h"
#include "ui/portable/FolderWalk.h"

namespace fennick {

namespace {

// Every dropped path at its full length: a path cut to a fixed buffer would name another file.
std::vector<std::wstring> DroppedPaths(HDROP drop)
{
    std::vector<std::wstring> paths;
    const UINT count = DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
    for (UINT index = 0; index < count; ++index) {
        std::wstring path(DragQueryFileW(drop, index, nullptr, 0), L'\0');
        const UINT copied = DragQueryFileW(drop, index, path.data(), static_cast<UINT>(path.size() + 1));
        path.resize(copied);
        if (!path.empty())
            paths.push_back(std::move(path));
    }
    return paths;
}

// Stops the lists repainting while they are rebuilt (a repaint per row makes a large drop take
// minutes) and repaints them once at the end.
class RedrawPause {
public:
    explicit RedrawPause(std::initializer_list<HWND> windows) : windows_(windows)
    {
        for (HWND window : windows_)
            SendMessageW(window, WM_SETREDRAW, FALSE, 0);
    }
    ~RedrawPause()
    {
        for (HWND window : windows_) {
            SendMessageW(window, WM_SETREDRAW, TRUE, 0);
            RedrawWindow(window, nullptr, nullptr, RDW_ERASE | RDW_FRAME | RDW_INVALIDATE | RDW_ALLCHILDREN);
        }
    }
    RedrawPause(const RedrawPause&) = delete;
    RedrawPause& operator=(const RedrawPause&) = delete;

private:
    std::vector<HWND> windows_;
};

// What a list click notification hit in `list`.
ColumnListCtrl::Hit HitByClick(const ColumnListCtrl& list, const NMHDR* notification)
{
    return list.HitTest(reinterpret_cast<const NMITEMACTIVATE*>(notification)->ptAction);
}

} // namespace

void MainDialog::OnDropFiles(HDROP drop)
{
    std::vector<std::wstring> paths = DroppedPaths(drop);
    Default(WM_DROPFILES, reinterpret_cast<WPARAM>(drop), 0);
    // The drop's memory is the receiver's to release.
    DragFinish(drop);
    // Rebuilding the rows would pull them from under a run: the drop is taken when it ends.
    if (run_ != nullptr) {
        waitingDrops_.push_back(std::move(paths));
        ShowRunProgress();
        return;
    }
    AddDroppedPaths(std::move(paths));
}

void MainDialog::AddDroppedPaths(std::vector<std::wstring> paths)
{
    DroppedItems dropped = SortDroppedItems(std::move(paths));
    CollectedPaths.insert(CollectedPaths.end(), std::make_move_iterator(dropped.files.begin()),
                          std::make_move_iterator(dropped.files.end()));
    if (!dropped.folders.empty() && ShowMessageBox(std::wstring(kFolderQuestion), std::wstring(kQuestionCaption),
                                                   MB_YESNO | MB_ICONQUESTION) == IDYES) {
        WaitCursor wait;
        for (const std::wstring& folder : dropped.folders)
            CollectFolder(folder, CollectedPaths);
    }
    RefreshLists();
}

// One drop after the other, as they came; a run started meanwhile keeps the rest waiting.
void MainDialog::TakeWaitingDrops()
{
    while (run_ == nullptr && !waitingDrops_.empty()) {
        std::vector<std::wstring> paths = std::move(waitingDrops_.front());
        waitingDrops_.erase(waitingDrops_.begin());
        AddDroppedPaths(std::move(paths));
    }
}

void MainDialog::RefreshLists()
{
    ExclusionList = WindowText(GetDlgItem(Handle(), IDC_EXCLUSION_EDIT));
    {
        RedrawPause pause{fileList_.Handle(), extensionList_.Handle()};
        fileList_.DeleteAllRows();
        CollectionSummary summary = SummarizeCollection(CollectedPaths, ExclusionList);
        for (std::wstring_view path : summary.shownPaths)
            AddFileRow(path);
        ExtensionTable = std::move(summary.extensions);

        extensionList_.DeleteAllRows();
        SetWindowTextW(extensionGroup_.Handle(), ExtensionGroupTitle(ExtensionTable.size()).c_str());
        for (const auto& [key, count] : ExtensionTable)
            AddExtensionRow(key, count);
    }
    UpdateStatusLine();
}

void MainDialog::AddExtensionRow(const std::wstring& key, int count)
{
    extensionList_.AddRow({key, std::to_wstring(count)});
}

// Only the status control: text typed into the exclusion field and not yet applied stays.
void MainDialog::UpdateStatusLine()
{
    StatusText = StatusLineText(fileList_.RowCount(), CountTickedRows(fileList_));
    SetDlgItemTextW(Handle(), IDC_STATUS_LINE, StatusText.c_str());
}

void MainDialog::OnApplyExclusion()
{
    RefreshLists();
}

void MainDialog::OnClearList()
{
    CollectedPaths.clear();
    RefreshLists();
}

void MainDialog::OnClickExtensionGroup() {}

// The list has already ticked or unticked a box the click hit, and the file rows follow the state
// it now shows. A click on the key's text leaves the box alone, and the file rows take the
// opposite of it.
void MainDialog::OnClickExtensionList(NMHDR* notification, LRESULT* result)
{
    *result = 0;
    const ColumnListCtrl::Hit click = HitByClick(extensionList_, notification);
    if (click.row < 0 || click.column != 0)
        return;
    if (click.onCheckBox) {
        OnExtensionRowToggled(click.row);
        return;
    }
    {
        WaitCursor wait;
        TickByExtension(fileList_, extensionList_.GetRowTexts(click.row)[0], !extensionList_.GetCheck(click.row));
    }
    UpdateStatusLine();
}

void MainDialog::OnExtensionRowToggled(int row)
{
    {
        WaitCursor wait;
        TickByExtension(fileList_, extensionList_.GetRowTexts(row)[0], extensionList_.GetCheck(row));
    }
    UpdateStatusLine();
}

void MainDialog::OnClickFileList(NMHDR* notification, LRESULT* result)
{
    *result = 0;
    const ColumnListCtrl::Hit click = HitByClick(fileList_, notification);
    if (click.row >= 0 && click.column == 0 && click.onCheckBox)
        UpdateStatusLine();
}

// The space bar ticks the focused row as a click on its box does.
void MainDialog::OnListKeyDown(const NMLVKEYDOWN& key)
{
    if (key.wVKey != VK_SPACE)
        return;
    if (key.hdr.idFrom == IDC_FILE_LIST) {
        UpdateStatusLine();
        return;
    }
    const int focused = extensionList_.FocusedRow();
    if (focused >= 0)
        OnExtensionRowToggled(focused);
}

} // namespace fennick
