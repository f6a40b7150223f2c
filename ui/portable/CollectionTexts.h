#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace fennick {

// Caption of every question the main window asks.
inline constexpr std::wstring_view kQuestionCaption = L"질문";

// Asked once per drop that holds a folder, before any folder is opened.
inline constexpr std::wstring_view kFolderQuestion = L"선택하신 항목 중에 1개 이상의 폴더가 포함되어 있습니다.\n\n"
                                                     L"하위 폴더의 파일을 검색하여 목록에 추가하시겠습니까?";

// "등록된 파일 : <rows> 개, 선택된 파일 : <ticked> 개"
std::wstring StatusLineText(int fileRows, int tickedRows);

// "확장자 : 총 <keys>개", the title of the box around the extension list.
std::wstring ExtensionGroupTitle(std::size_t keyCount);

} // namespace fennick
