#include "markup/portable/CellAttributes.h"

#include "markup/portable/AttributeReader.h"
#include "markup/portable/StyleKeywords.h"

#include <algorithm>

namespace fennick {

namespace {

void NormaliseBorder(MarkupStyle& style, bool isTable)
{
    if (style.borderStyle == BorderNone || style.borderWidth <= 0) {
        style.borderStyle = BorderNone;
        style.borderWidth = 0;
    } else if (style.borderStyle != BorderSolid || !isTable) {
        style.borderWidth = 1;
    }
}

int ParseSpan(const StyleParser& parser, std::wstring_view value)
{
    return std::clamp(parser.ParseLength(value, 1, false), 1, kMaxCellSpan);
}

void ApplyTableAttribute(const StyleParser& parser, const Attribute& attribute, MarkupStyle& style)
{
    if (attribute.name == L"cellpadding") {
        style.margin = parser.ParseLength(attribute.value, style.margin, false);
    } else if (attribute.name == L"cellspacing") {
        style.padding = parser.ParseLength(attribute.value, style.padding, false);
    } else if (attribute.name == L"background") {
        style.backImage = attribute.value;
    }
}

void ApplyColorAttribute(const StyleParser& parser, const Attribute& attribute, MarkupStyle& style)
{
    const ColorScheme& colors = parser.Colors();
    const std::wstring_view name = attribute.name;
    const std::wstring_view value = attribute.value;
    if (name == L"bordercolor") {
        style.borderColorLight = parser.ParseShownColor(value, style.borderColorLight);
        style.borderColorDark = style.borderColorLight;
    } else if (name == L"bordercolorlight") {
        style.borderColorLight = parser.ParseShownColor(value, style.borderColorLight);
    } else if (name == L"bordercolordark") {
        style.borderColorDark = parser.ParseShownColor(value, style.borderColorDark);
    } else if (!colors.Enabled()) {
        return; // a disabled control keeps its backgrounds plain
    } else if (name == L"bgcolor") {
        style.backColor = parser.ParseColor(value, style.backColor);
        style.backEffect = std::max(style.backEffect, static_cast<std::int32_t>(EffectSolid));
    } else if (name == L"bgmidcolor") {
        style.backMidColor = parser.ParseColor(value, style.backMidColor);
    } else if (name == L"bgendcolor") {
        style.backEndColor = parser.ParseColor(value, style.backEndColor);
    } else if (name == L"bgeffect") {
        style.backEffect = parser.ParseBackgroundEffect(value, style.backEffect);
    }
}

} // namespace

CellSpan ParseCellAttributes(const StyleParser& parser, std::wstring_view attributes, MarkupStyle& style, bool isTable)
{
    CellSpan span;
    if (attributes.empty()) {
        return span;
    }
    ForEachAttribute(attributes, [&](const Attribute& attribute) {
        const std::wstring_view name = attribute.name;
        const std::wstring_view value = attribute.value;
        if (isTable) {
            ApplyTableAttribute(parser, attribute, style);
        }
        if (name == L"rowspan") {
            span.rows = ParseSpan(parser, value);
        } else if (name == L"colspan") {
            span.columns = ParseSpan(parser, value);
        } else if (name == L"border") {
            style.borderWidth = parser.ParseLength(value, style.borderWidth, false);
            BorderWidthChanged(style);
        } else if (name == L"borderstyle") {
            style.borderStyle = ParseBorderStyle(value, style.borderStyle);
            BorderStyleChanged(style);
        } else if (name == L"align") {
            style.textAlign = ParseTextAlign(value, style.textAlign);
        } else if (name == L"valign") {
            style.verticalAlign = ParseVerticalAlign(value, style.verticalAlign);
        } else if (name == L"width") {
            style.width = parser.ParseLength(value, style.width, false);
        } else if (name == L"height") {
            style.height = parser.ParseLength(value, style.height, false);
        } else {
            ApplyColorAttribute(parser, attribute, style);
        }
    });
    NormaliseBorder(style, isTable);
    return span;
}

} // namespace fennick
