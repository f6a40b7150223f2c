#include "ui/win32/MainDialog.h"

#include "convert/portable/FileConverter.h"
#include "framework/win32/Application.h"
#include "framework/win32/MessageBox.h"
#include "ui/portable/BatchRuns.h"
#include "ui/portable/CollectionTexts.h"

namespace fennick {

void MainDialog::OnConvert()
{
    if (fileList_.RowCount() == 0 || CountTickedRows(fileList_) == 0)
        return;
    const int answer =
        ShowMessageBox(std::wstring(BackupQuestion), std::wstring(QuestionCaption), MB_YESNOCANCEL | MB_ICONQUESTION);
    if (answer != IDYES && answer != IDNO)
        return;
    WaitCursor wait;
    FileConverter converter;
    converter.SetBackupFlag(answer == IDYES);
    RunOnTickedRows(fileList_, FinishedRows::Skip, [&converter](const std::wstring& path) {
        return static_cast<bool>(converter.ConvertToUtf8(path));
    });
    ShowMessageBox(std::wstring(ConversionSummary), std::wstring(ConversionSummaryCaption), MB_OK | MB_ICONINFORMATION);
}

void MainDialog::OnRemoveHeader()
{
    RunHeaderOperation(&FileConverter::RemoveUtf8Header, &RemovedHeaderSummary);
}

void MainDialog::OnInsertHeader()
{
    RunHeaderOperation(&FileConverter::InsertUtf8Header, &InsertedHeaderSummary);
}

void MainDialog::RunHeaderOperation(FileOutcome (FileConverter::*operation)(const std::wstring&) const,
                                    std::wstring (*summary)(int successes))
{
    WaitCursor wait;
    const FileConverter converter;
    const int successes = RunOnTickedRows(fileList_, FinishedRows::Redo, [&](const std::wstring& path) {
        return static_cast<bool>((converter.*operation)(path));
    });
    ShowMessageBox(summary(successes), std::wstring(HeaderSummaryCaption), MB_OK | MB_ICONINFORMATION);
}

void MainDialog::OnClearResults()
{
    ClearResults(fileList_);
}

} // namespace fennick
