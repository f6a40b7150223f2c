#pragma once

#include <concepts>
#include <string>
#include <string_view>

#include "ui/portable/FileRows.h"

namespace fennick {

inline constexpr std::wstring_view SuccessResult = L"성공";
inline constexpr std::wstring_view FailureResult = L"실패";

// Asked (with QuestionCaption) before a conversion run; Yes writes backups, Cancel runs nothing.
inline constexpr std::wstring_view BackupQuestion = L"원본 파일에 대한 백업파일(*.bak)을 작성하시겠습니까?";

inline constexpr std::wstring_view ConversionSummaryCaption = L"변환완료 알림";
inline constexpr std::wstring_view ConversionSummary =
    L"변환작업을 완료하였습니다.\n\n변환된 파일 안의 인코딩 타입 문자열은 직접 수정해주셔야 합니다.";

inline constexpr std::wstring_view HeaderSummaryCaption = L"작업완료 알림";

// "총 <successes> 개의 파일에 대해서 BOM 을 제거하였습니다."
std::wstring RemovedHeaderSummary(int successes);
// "총 <successes> 개의 파일에 대해서 BOM 을 추가하였습니다."
std::wstring InsertedHeaderSummary(int successes);

// What a run does with a ticked row that already shows a result.
enum class FinishedRows { Skip, Redo };

// Runs the operation on the full path of every ticked row, top to bottom in the current list
// order, and writes its outcome into the row's result. The row count is read again after every
// row. Returns the number of rows whose operation succeeded.
template <FileRowList List, std::predicate<const std::wstring&> Operation>
int RunOnTickedRows(List& list, FinishedRows finishedRows, Operation&& operation)
{
    int successes = 0;
    for (int row = 0; row < list.RowCount(); ++row) {
        if (!list.GetCheck(row))
            continue;
        const auto& texts = list.GetRowTexts(row);
        if (finishedRows == FinishedRows::Skip && !texts[ResultColumn].empty())
            continue;
        // A copy: the operation may show an error box, and the row texts must not be relied on
        // across a message loop.
        const std::wstring path = texts[PathColumn];
        const bool succeeded = operation(path);
        list.SetCellText(row, ResultColumn, succeeded ? SuccessResult : FailureResult);
        successes += succeeded ? 1 : 0;
    }
    return successes;
}

// Empties the result of every row, ticked or not.
template <FileRowList List>
void ClearResults(List& list)
{
    for (int row = 0; row < list.RowCount(); ++row) {
        if (!list.GetRowTexts(row)[ResultColumn].empty())
            list.SetCellText(row, ResultColumn, {});
    }
}

} // namespace fennick
