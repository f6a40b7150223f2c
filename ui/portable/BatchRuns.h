#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "convert/portable/FileOutcome.h"
#include "ui/portable/BatchWork.h"
#include "ui/portable/FileRows.h"

namespace fennick {

inline constexpr std::wstring_view kSuccessResult = L"성공";
inline constexpr std::wstring_view kFailureResult = L"실패";

// Asked (with kQuestionCaption) before a conversion run; Yes writes backups, Cancel runs nothing.
inline constexpr std::wstring_view kBackupQuestion = L"원본 파일에 대한 백업파일(*.bak)을 작성하시겠습니까?";

// Asked (with kQuestionCaption) when the window is to be closed during a run; Yes stops it.
inline constexpr std::wstring_view kStopQuestion =
    L"작업이 진행 중입니다.\n\n작업을 중지하시겠습니까? 지금 처리 중인 파일은 끝까지 처리합니다.";

// Added to the progress while dropped items wait for the run to end.
inline constexpr std::wstring_view kDropsWaitNote = L" · 끌어다 놓은 항목은 작업이 끝나면 추가합니다";

enum class RunKind { Conversion, HeaderInsertion, HeaderRemoval };

// What a run does with a ticked row that already shows a result.
enum class FinishedRows { Skip, Redo };

// The ticked rows a run works on, top to bottom in the current list order.
template <FileRowList List>
std::vector<RunItem> RowsToRun(const List& list, FinishedRows finishedRows)
{
    std::vector<RunItem> items;
    for (int row = 0; row < list.RowCount(); ++row) {
        const auto& texts = list.GetRowTexts(row);
        if (list.GetCheck(row) && (finishedRows == FinishedRows::Redo || texts[kResultColumn].empty()))
            items.push_back({row, texts[kPathColumn]});
    }
    return items;
}

// Empties the result of every row, ticked or not.
template <FileRowList List>
void ClearResults(List& list)
{
    for (int row = 0; row < list.RowCount(); ++row) {
        if (!list.GetRowTexts(row)[kResultColumn].empty())
            list.SetCellText(row, kResultColumn, {});
    }
}

// The outcomes of a run so far.
struct RunTally {
    int done = 0;
    int succeeded = 0;
    int notAnsiText = 0; // failed, left alone as not ANSI text

    void Count(FileOutcome outcome);
    int Failed() const { return done - succeeded; }
};

// The status line during a run: "변환 중 : <done> / <total> 개 처리, 실패 <failed> 개".
std::wstring ProgressText(RunKind kind, const RunTally& tally, int total, bool stopping);

// The box that ends a run: its caption and text.
std::wstring SummaryCaption(RunKind kind, bool stopped);
std::wstring SummaryText(RunKind kind, const RunTally& tally, bool stopped);

} // namespace fennick
