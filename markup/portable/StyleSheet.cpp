#include "markup/portable/StyleSheet.h"

namespace fennick {

StyleSheet::StyleSheet()
    : classes_{
          {L"body", L"font-family: verdana; font-size: 10pt; color: black"},
          {L"hr", L"color: gray; size: 1"},
          {L"a:link", L"color: blue; text-decoration: underline"},
          {L"a:hover", L"color: red; text-decoration: underline"},
          {L"h1", L"font-size: 18pt; font-weight: bold"},
          {L"h2", L"font-size: 14pt; font-weight: bold"},
          {L"h3", L"font-size: 12pt; font-weight: bold"},
          {L"code", L"font-family: \"courier new\""},
          {L"small", L"font-size: 80%"},
          {L"big", L"font-size: 125%"},
      }
{}

void StyleSheet::SetStyleClass(std::wstring_view name, std::wstring_view declarations)
{
    classes_.insert_or_assign(LowerAscii(name), std::wstring(declarations));
}

const std::wstring& StyleSheet::StyleClass(std::wstring_view name) const
{
    static const std::wstring none;
    const auto found = classes_.find(name);
    return found == classes_.end() ? none : found->second;
}

} // namespace fennick
