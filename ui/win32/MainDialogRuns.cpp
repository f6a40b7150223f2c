#include "ui/win32/MainDialog.h"

#include <algorithm>
#include <utility>

#include "convert/portable/FileConverter.h"
#include "framework/win32/MessageBox.h"
#include "resources/resource.h"
#include "ui/portable/CollectionTexts.h"

namespace fennick {

namespace {

// The commands that change the rows or start a run: refused while a run goes on.
constexpr int kIdleOnlyControls[] = {IDC_CONVERT,    IDC_REMOVE_HEADER,   IDC_INSERT_HEADER,
                                     IDC_CLEAR_LIST, IDC_APPLY_EXCLUSION, IDC_CLEAR_RESULTS};

// Often enough for rows to fill as their files finish, seldom enough to cost the run nothing.
constexpr UINT kProgressMilliseconds = 50;

} // namespace

void MainDialog::OnConvert()
{
    if (fileList_.RowCount() == 0 || CountTickedRows(fileList_) == 0)
        return;
    const int answer =
        ShowMessageBox(std::wstring(kBackupQuestion), std::wstring(kQuestionCaption), MB_YESNOCANCEL | MB_ICONQUESTION);
    if (answer != IDYES && answer != IDNO)
        return;
    FileConverter converter;
    converter.SetBackupFlag(answer == IDYES);
    StartRun(RunKind::Conversion, FinishedRows::Skip,
             [converter](const std::wstring& path) { return converter.ConvertToUtf8(path); });
}

void MainDialog::OnRemoveHeader()
{
    RunHeaderOperation(RunKind::HeaderRemoval, &FileConverter::RemoveUtf8Header);
}

void MainDialog::OnInsertHeader()
{
    RunHeaderOperation(RunKind::HeaderInsertion, &FileConverter::InsertUtf8Header);
}

void MainDialog::RunHeaderOperation(RunKind kind, FileOutcome (FileConverter::*operation)(const std::wstring&) const)
{
    StartRun(kind, FinishedRows::Redo, [converter = FileConverter(), operation](const std::wstring& path) {
        return (converter.*operation)(path);
    });
}

void MainDialog::OnClearResults()
{
    ClearResults(fileList_);
}

void MainDialog::StartRun(RunKind kind, FinishedRows finishedRows, BatchWork::Operation operation)
{
    run_ = std::make_unique<RunInProgress>(kind, RowsToRun(fileList_, finishedRows), std::move(operation), Handle(),
                                           kRunEndedMessage);
    SetRunning(true);
    if (taskbar_ == nullptr)
        taskbar_ = std::make_unique<TaskbarProgress>(Handle());
    ShowRunProgress();
    SetTimer(Handle(), kRunProgressTimer, kProgressMilliseconds, nullptr);
}

bool MainDialog::IsIdleOnlyControl(int id)
{
    return std::ranges::find(kIdleOnlyControls, id) != std::end(kIdleOnlyControls);
}

// The refused commands show as such; the lists still scroll, but take no ticks and no sorts.
void MainDialog::SetRunning(bool running)
{
    // A disabled control keeps no focus, and without one Escape would not reach the window.
    if (running && IsIdleOnlyControl(GetDlgCtrlID(GetFocus())))
        Send(WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(fileList_.Handle()), TRUE);
    for (const int id : kIdleOnlyControls)
        EnableWindow(GetDlgItem(Handle(), id), !running);
    fileList_.SetLocked(running);
    extensionList_.SetLocked(running);
}

void MainDialog::OnRunTimer()
{
    if (run_ == nullptr)
        return;
    TakeFinishedFiles();
    ShowRunProgress();
}

void MainDialog::TakeFinishedFiles()
{
    run_->work.TakeFinished([this](int row, FileOutcome outcome) {
        run_->tally.Count(outcome);
        fileList_.SetCellText(row, kResultColumn, outcome ? kSuccessResult : kFailureResult);
    });
}

void MainDialog::ShowRunProgress()
{
    std::wstring text = ProgressText(run_->kind, run_->tally, run_->work.Total(), run_->work.StopAsked());
    if (!waitingDrops_.empty())
        text += kDropsWaitNote;
    if (text != StatusText) {
        StatusText = std::move(text);
        SetDlgItemTextW(Handle(), IDC_STATUS_LINE, StatusText.c_str());
    }
    taskbar_->Show(run_->tally.done, run_->work.Total());
}

void MainDialog::OnRunEnded()
{
    if (run_ == nullptr)
        return;
    // The summary would open on top of a box or dialog of this window: it waits for it to close.
    runEndWaiting_ = !IsWindowEnabled(Handle());
    if (runEndWaiting_)
        return;
    KillTimer(Handle(), kRunProgressTimer);
    TakeFinishedFiles();
    std::unique_ptr<RunInProgress> run = std::move(run_);
    const RunKind kind = run->kind;
    const RunTally tally = run->tally;
    const bool stopped = tally.done < run->work.Total();
    taskbar_->Clear();
    SetRunning(false);
    UpdateStatusLine();
    run->worker.Join();
    run.reset(); // and with it the wait cursor
    ShowMessageBox(SummaryText(kind, tally, stopped), SummaryCaption(kind, stopped), MB_OK | MB_ICONINFORMATION);
    TakeWaitingDrops();
}

void MainDialog::AskToStopRun()
{
    if (run_->work.StopAsked())
        return;
    run_->work.Pause();
    const bool stop = ShowMessageBox(std::wstring(kStopQuestion), std::wstring(kQuestionCaption),
                                     MB_YESNO | MB_ICONQUESTION) == IDYES;
    if (run_ == nullptr)
        return;
    if (stop)
        run_->work.Stop();
    else
        run_->work.Resume();
    ShowRunProgress();
}

// For the window's end: the file in hand is finished, and no summary is shown.
void MainDialog::StopRunAndWait()
{
    if (run_ == nullptr)
        return;
    KillTimer(Handle(), kRunProgressTimer);
    run_->work.Stop();
    run_.reset();
}

bool MainDialog::OnSetCursor(UINT hitTest)
{
    if (run_ == nullptr || hitTest != HTCLIENT)
        return false;
    SetCursor(LoadCursorW(nullptr, IDC_WAIT));
    return true;
}

} // namespace fennick
