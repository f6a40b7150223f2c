#include "markup/portable/TagEffects.h"

#include "markup/portable/AttributeReader.h"
#include "markup/portable/Numbers.h"
#include "markup/portable/StyleKeywords.h"

#include <algorithm>

namespace fennick {

namespace {

constexpr std::int32_t kBoldWeight = 700;
constexpr std::int32_t kNormalWeight = 400;
constexpr std::int32_t kHeaviestWeight = 900;

} // namespace

void ApplyBold(MarkupStyle& style)
{
    style.fontWeight = SaturateToInt(std::min<std::int64_t>(std::int64_t{2} * style.fontWeight, kHeaviestWeight));
}

void ApplyFontAttributes(const StyleParser& parser, std::wstring_view attributes, MarkupStyle& style)
{
    ForEachAttribute(attributes, [&](const Attribute& attribute) {
        const std::wstring_view name = attribute.name;
        const std::wstring_view value = attribute.value;
        if (name == L"face") {
            style.fontFamily = value;
        } else if (name == L"size") {
            style.fontSize = parser.ParseLength(value, style.fontSize, true);
        } else if (name == L"color") {
            style.textColor = parser.ParseShownColor(value, style.textColor);
        } else if (name == L"style") {
            ApplyStyleLetters(value, style);
        } else if (name == L"weight") {
            style.fontWeight = ParseFontWeight(value);
        } else if (name == L"bkgnd") {
            parser.ApplyBackgroundColor(value, style);
        }
    });
}

void ApplyStyleLetters(std::wstring_view letters, MarkupStyle& style)
{
    bool on = true;
    for (const wchar_t letter : letters) {
        switch (letter) {
        case L'b':
            style.fontWeight = on ? kBoldWeight : kNormalWeight;
            break;
        case L'i':
            style.italic = on;
            break;
        case L'u':
            style.underline = on;
            break;
        case L's':
            style.lineThrough = on;
            break;
        case L'o':
            style.overline = on;
            break;
        case L'-':
            on = false;
            continue;
        case L'+':
            break;
        default:
            continue;
        }
        on = true;
    }
}

void ApplyLinkAttributes(std::wstring_view attributes, MarkupStyle& style)
{
    style.linkKind = LinkKind::Message;
    style.linkTarget.clear();
    ForEachAttribute(attributes, [&](const Attribute& attribute) {
        if (attribute.name == L"href" || attribute.name == L"msg") {
            style.linkKind = attribute.name == L"href" ? LinkKind::Address : LinkKind::Message;
            style.linkTarget = attribute.value;
        }
    });
}

int ReadTagCount(std::wstring_view attributes)
{
    const int count = attributes.starts_with(L'=') ? ReadInt(attributes.substr(1)) : 1;
    return std::clamp(count, 1, kMaxTagCount);
}

unsigned ReadStringId(const StyleParser& parser, std::wstring_view attributes)
{
    int id = 0;
    ForEachAttribute(attributes, [&](const Attribute& attribute) {
        if (attribute.name == L"idres" || attribute.name == L"iddll") {
            id = parser.ParseLength(attribute.value, 0, false);
        }
    });
    return id > 0 ? static_cast<unsigned>(id) : 0u;
}

} // namespace fennick
