#include "ui/portable/BatchRuns.h"

namespace fennick {

namespace {

std::wstring HeaderSummary(int successes, std::wstring_view done)
{
    return L"총 " + std::to_wstring(successes) + L" 개의 파일에 대해서 BOM 을 " + std::wstring(done) + L"하였습니다.";
}

} // namespace

std::wstring RemovedHeaderSummary(int successes)
{
    return HeaderSummary(successes, L"제거");
}

std::wstring InsertedHeaderSummary(int successes)
{
    return HeaderSummary(successes, L"추가");
}

} // namespace fennick
