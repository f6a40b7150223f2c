#include "ui/portable/CollectionTexts.h"

namespace fennick {

std::wstring StatusLineText(int fileRows, int tickedRows)
{
    return L"등록된 파일 : " + std::to_wstring(fileRows) + L" 개, 선택된 파일 : " + std::to_wstring(tickedRows) +
           L" 개";
}

std::wstring ExtensionGroupTitle(std::size_t keyCount)
{
    return L"확장자 : 총 " + std::to_wstring(keyCount) + L"개";
}

} // namespace fennick
