#pragma once

#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "controls/win32/ColumnListCtrl.h"
#include "controls/win32/HyperlinkLabel.h"
#include "framework/win32/Control.h"
#include "framework/win32/Dialog.h"
#include "framework/win32/GdiHandles.h"
#include "framework/portable/ErrorReport.h"
#include "ui/portable/BatchRuns.h"
#include "ui/portable/CollectedPaths.h"
#include "ui/portable/ExtensionTable.h"
#include "ui/win32/LayoutManager.h"
#include "ui/win32/RunInProgress.h"
#include "ui/win32/ScaledFont.h"
#include "ui/win32/TaskbarProgress.h"

namespace fennick {

class FileConverter;

// The program's one main window: the file list, the extension summary, the exclusion field,
// the command buttons, the status line and the home-page link, kept anchored while resized.
// Batch runs work on a thread of their own while the window shows their progress; during a
// run the commands that would change the rows wait or are refused.
class MainDialog : public Dialog {
public:
    explicit MainDialog(Window* parent = nullptr);
    ~MainDialog() override;

    // Appends an unticked file row with the path and an empty result; returns its index or -1.
    int AddFileRow(std::wstring_view path);

    // Exchanged with the exclusion field and the status line by UpdateData.
    std::wstring ExclusionList;
    std::wstring StatusText;

protected:
    void DoDataExchange(DataExchange& exchange) override;
    bool OnInitDialog() override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnOK() override;
    void OnCancel() override;

private:
    // The window's own messages: the worker posts the end of a run's work, and sends the file
    // errors it meets, to be shown on the window's thread.
    static constexpr UINT kRunEndedMessage = WM_APP + 1;
    static constexpr UINT kFileErrorMessage = WM_APP + 2;
    static constexpr UINT_PTR kRunProgressTimer = 1;

    void SetUpControls();
    void CreateLinkFont();

    void OnSysCommand(UINT command, LPARAM lParam);
    void OnPaint();
    HICON OnQueryDragIcon() const;
    void OnSize(UINT type, int width, int height);
    void OnDestroy();
    void OnExit();
    void OnAbout();
    void OnFileListDblClk(NMHDR* notification, LRESULT* result);

    // Collecting files and showing them (MainDialogFiles.cpp).
    void OnDropFiles(HDROP drop);
    void AddDroppedPaths(std::vector<std::wstring> paths);
    void TakeWaitingDrops();
    void OnApplyExclusion();
    void OnClearList();
    void OnClickExtensionGroup();
    void OnClickExtensionList(NMHDR* notification, LRESULT* result);
    void OnClickFileList(NMHDR* notification, LRESULT* result);
    void RefreshLists();
    void AddExtensionRow(const std::wstring& key, int count);
    void UpdateStatusLine();
    void OnExtensionRowToggled(int row);
    void OnListKeyDown(const NMLVKEYDOWN& key);

    // Running the file operations on the ticked rows (MainDialogRuns.cpp).
    void OnConvert();
    void OnRemoveHeader();
    void OnInsertHeader();
    void OnClearResults();
    void RunHeaderOperation(RunKind kind, FileOutcome (FileConverter::*operation)(const std::wstring&) const);
    void StartRun(RunKind kind, FinishedRows finishedRows, BatchWork::Operation operation);
    void SetRunning(bool running);
    void OnRunTimer();
    void TakeFinishedFiles();
    void ShowRunProgress();
    void OnRunEnded();
    void AskToStopRun();
    void StopRunAndWait();
    bool OnSetCursor(UINT hitTest);
    static bool IsIdleOnlyControl(int id);
    void ReportFileError(const FileException& failure);

    HyperlinkLabel homePageLink_;
    ColumnListCtrl extensionList_;
    Control extensionGroup_;
    ColumnListCtrl fileList_;
    OwnedIcon icon_;
    OwnedIcon smallIcon_;
    fennick::ExtensionTable ExtensionTable;
    fennick::CollectedPaths CollectedPaths;
    LayoutManager layout_;
    OwnedFont font_;
    ErrorReportHandler previousErrorReport_;
    std::unique_ptr<RunInProgress> run_; // null between runs
    bool runEndWaiting_ = false; // the run ended while a box of this window was open
    std::vector<std::vector<std::wstring>> waitingDrops_; // dropped during the run
    std::unique_ptr<TaskbarProgress> taskbar_; // made for the first run
};

} // namespace fennick
