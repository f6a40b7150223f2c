#include "ui/portable/BatchRuns.h"

namespace fennick {

namespace {

std::wstring_view ActionInProgress(RunKind kind)
{
    switch (kind) {
    case RunKind::Conversion:
        return L"변환 중";
    case RunKind::HeaderInsertion:
        return L"BOM 추가 중";
    case RunKind::HeaderRemoval:
        return L"BOM 제거 중";
    }
    return {};
}

std::wstring HeaderSummary(RunKind kind, int successes)
{
    return L"총 " + std::to_wstring(successes) + L" 개의 파일에 대해서 BOM 을 " +
           (kind == RunKind::HeaderInsertion ? L"추가" : L"제거") + L"하였습니다.";
}

std::wstring StoppedNote(RunKind kind, int done)
{
    return std::wstring(kind == RunKind::Conversion ? L"변환작업을" : L"작업을") + L" 중지하였습니다. 중지하기 전에 " +
           std::to_wstring(done) + L" 개의 파일을 처리하였습니다.\n\n";
}

} // namespace

void RunTally::Count(FileOutcome outcome)
{
    ++done;
    succeeded += outcome ? 1 : 0;
    notAnsiText += outcome.IsNotAnsiText() ? 1 : 0;
}

std::wstring ProgressText(RunKind kind, const RunTally& tally, int total, bool stopping)
{
    return std::wstring(stopping ? L"중지하는 중" : ActionInProgress(kind)) + L" : " + std::to_wstring(tally.done) +
           L" / " + std::to_wstring(total) + L" 개 처리, 실패 " + std::to_wstring(tally.Failed()) + L" 개";
}

std::wstring SummaryCaption(RunKind kind, bool stopped)
{
    if (kind == RunKind::Conversion)
        return stopped ? L"변환중지 알림" : L"변환완료 알림";
    return stopped ? L"작업중지 알림" : L"작업완료 알림";
}

std::wstring SummaryText(RunKind kind, const RunTally& tally, bool stopped)
{
    std::wstring text = stopped ? StoppedNote(kind, tally.done) : L"";
    if (kind == RunKind::Conversion)
        text += stopped
                    ? L"변환된 파일 안의 인코딩 타입 문자열은 직접 수정해주셔야 합니다."
                    : L"변환작업을 완료하였습니다.\n\n변환된 파일 안의 인코딩 타입 문자열은 직접 수정해주셔야 합니다.";
    else
        text += HeaderSummary(kind, tally.succeeded);
    if (tally.notAnsiText > 0)
        text += L"\n\nANSI 텍스트가 아닌 파일 " + std::to_wstring(tally.notAnsiText) +
                L" 개(UTF-16, UTF-32 또는 이진 파일)는 그대로 두었습니다.";
    return text;
}

} // namespace fennick
