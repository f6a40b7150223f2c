#include "markup/portable/StyleKeywords.h"

#include "framework/portable/LeadingInteger.h"
#include "markup/portable/TextScan.h"

#include <initializer_list>
#include <utility>

namespace fennick {

namespace {

template <typename T>
T Lookup(std::wstring_view value, T current, std::initializer_list<std::pair<std::wstring_view, T>> table)
{
    for (const auto& [keyword, result] : table) {
        if (value == keyword) {
            return result;
        }
    }
    return current;
}

} // namespace

bool ParseFontStyle(std::wstring_view value, bool current)
{
    return Lookup(value, current, {{L"", false}, {L"normal", false}, {L"italic", true}, {L"oblique", true}});
}

std::int32_t ParseFontWeight(std::wstring_view value)
{
    constexpr std::int32_t notKeyword = -1;
    const std::int32_t weight =
        Lookup(value, notKeyword, {{L"", 400}, {L"normal", 400}, {L"bold", 700}, {L"bolder", 900}, {L"lighter", 100}});
    return weight == notKeyword ? LeadingInteger(value) : weight;
}

TextAlign ParseTextAlign(std::wstring_view value, TextAlign current)
{
    return Lookup(value, current,
                  {{L"", TextAlign::Left},
                   {L"left", TextAlign::Left},
                   {L"center", TextAlign::Center},
                   {L"right", TextAlign::Right}});
}

VerticalAlign ParseVerticalAlign(std::wstring_view value, VerticalAlign current)
{
    return Lookup(value, current,
                  {{L"", VerticalAlign::Baseline},
                   {L"baseline", VerticalAlign::Baseline},
                   {L"middle", VerticalAlign::Middle},
                   {L"vcenter", VerticalAlign::Middle},
                   {L"top", VerticalAlign::Top},
                   {L"bottom", VerticalAlign::Bottom}});
}

TextTransform ParseTextTransform(std::wstring_view value, TextTransform current)
{
    return Lookup(value, current,
                  {{L"", TextTransform::None},
                   {L"none", TextTransform::None},
                   {L"uppercase", TextTransform::Uppercase},
                   {L"lowercase", TextTransform::Lowercase},
                   {L"capitalize", TextTransform::Capitalize}});
}

BorderStyle ParseBorderStyle(std::wstring_view value, BorderStyle current)
{
    return Lookup(value, current,
                  {{L"", BorderNone},
                   {L"none", BorderNone},
                   {L"solid", BorderSolid},
                   {L"dashed", BorderDashed},
                   {L"dotted", BorderDotted},
                   {L"double", BorderDouble}});
}

void ParseTextDecoration(std::wstring_view value, MarkupStyle& style)
{
    if (value.empty()) {
        value = L"none";
    }
    std::size_t position = 0;
    while (NameStart(value, position)) {
        const std::size_t start = position;
        ReadUntil(value, position, L" ,");
        const std::wstring_view word = value.substr(start, position - start);
        if (word == L"none") {
            style.underline = style.lineThrough = style.overline = false;
        } else if (word == L"underline") {
            style.underline = true;
        } else if (word == L"line-through") {
            style.lineThrough = true;
        } else if (word == L"overline") {
            style.overline = true;
        }
    }
}

bool EndsWithPercent(std::wstring_view value)
{
    return !value.empty() && value.back() == L'%';
}

void BorderWidthChanged(MarkupStyle& style)
{
    if (style.borderWidth == 0) {
        style.borderStyle = BorderNone;
    } else if (style.borderStyle == BorderNone) {
        style.borderStyle = BorderSolid;
    }
}

void BorderStyleChanged(MarkupStyle& style)
{
    if (style.borderStyle != BorderNone && style.borderWidth == 0) {
        style.borderWidth = 1;
    }
}

} // namespace fennick
