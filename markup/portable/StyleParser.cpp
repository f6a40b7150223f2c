#include "markup/portable/StyleParser.h"

#include "markup/portable/Numbers.h"
#include "markup/portable/StyleKeywords.h"
#include "markup/portable/TextScan.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace fennick {

namespace {

constexpr std::array<int, 7> kFontSizeKeywords{8, 10, 12, 14, 18, 24, 36};

int TruncateToInt(double value)
{
    if (value >= 2147483647.0) {
        return 2147483647;
    }
    if (value <= -2147483648.0) {
        return -2147483647 - 1;
    }
    return static_cast<int>(value);
}

bool IsHexDigit(wchar_t c)
{
    return (c >= L'0' && c <= L'9') || (c >= L'a' && c <= L'f') || (c >= L'A' && c <= L'F');
}

} // namespace

std::optional<Declaration> ReadDeclaration(std::wstring_view text, std::size_t& position)
{
    if (!NameStart(text, position)) {
        return std::nullopt;
    }
    const std::size_t nameStart = position;
    if (ReadUntil(text, position, L" :") == L'\0') {
        return std::nullopt;
    }
    Declaration declaration{text.substr(nameStart, position - nameStart), {}, ExpectChar(text, position, L':')};
    if (!declaration.hasColon) {
        return declaration;
    }
    SkipSet(text, position, L" ;");
    if (position == text.size()) {
        return declaration;
    }
    if (text[position] == L'"') {
        const std::size_t close = text.find(L'"', position + 1);
        if (close == std::wstring_view::npos) {
            position = text.size();
            return declaration;
        }
        declaration.value = text.substr(position + 1, close - position - 1);
        position = close + 1;
        return declaration;
    }
    const std::size_t start = position;
    ReadUntil(text, position, L";");
    declaration.value = text.substr(start, position - start);
    return declaration;
}

int StyleParser::ParseLength(std::wstring_view value, int current, bool sizeKeywords) const
{
    if (value.empty()) {
        return current;
    }
    if (EndsWithPercent(value)) {
        return MulDivRounded(current, ReadInt(value.substr(0, value.size() - 1)), 100);
    }
    if (value.front() == L'+' || value.front() == L'-') {
        value.remove_prefix(1); // the sign is not applied: lengths are magnitudes
    }
    const std::int64_t number = ReadInt(value);
    const std::wstring_view unit = value.size() >= 2 ? value.substr(value.size() - 2) : std::wstring_view{};
    if (unit == L"px") {
        return static_cast<int>(number);
    }
    if (unit == L"ex") {
        return SaturateToInt(number * surface_.TextExtent(L"x").height);
    }
    if (unit == L"em") {
        return SaturateToInt(number * surface_.TextMetrics().height);
    }
    const std::int64_t dots = number * surface_.DotsPerInchY();
    if (unit == L"in") {
        return SaturateToInt(dots);
    }
    if (unit == L"cm") {
        return TruncateToInt(static_cast<double>(dots) * 0.39370078740157477);
    }
    if (unit == L"mm") {
        return TruncateToInt(static_cast<double>(dots) * 0.03937007874015748);
    }
    if (unit == L"pt") {
        return SaturateToInt(dots / 72);
    }
    if (unit == L"pc") {
        return SaturateToInt(dots / 6);
    }
    const std::uint32_t plain = ReadUnsigned(value, 0);
    if (sizeKeywords && plain >= 1 && plain <= kFontSizeKeywords.size()) {
        return kFontSizeKeywords[plain - 1];
    }
    return static_cast<std::int32_t>(plain);
}

Color StyleParser::ParseColor(std::wstring_view value, Color current) const
{
    if (value.empty()) {
        return current;
    }
    if (value.front() == L'#') {
        if (value.size() != 7 || !std::all_of(value.begin() + 1, value.end(), IsHexDigit)) {
            return current;
        }
        // #RRGGBB read as the number BBGGRR is the colour in 0x00BBGGRR order.
        std::wstring swapped;
        swapped.append(value.substr(5, 2)).append(value.substr(3, 2)).append(value.substr(1, 2));
        return ReadUnsigned(swapped, 16);
    }
    if (value.front() >= L'0' && value.front() <= L'9') {
        return ReadUnsigned(value, 0);
    }
    return colors_.ColorByName(value, current);
}

Color StyleParser::ParseShownColor(std::wstring_view value, Color current) const
{
    return colors_.Shown(ParseColor(value, current));
}

void StyleParser::ApplyBackgroundColor(std::wstring_view value, MarkupStyle& style) const
{
    if (value.empty() || value == L"transparent" || !colors_.Enabled()) {
        style.backMode = BackMode::Transparent;
    } else {
        style.backMode = BackMode::Opaque;
        style.backColor = ParseColor(value, style.backColor);
    }
}

int StyleParser::ParseBorderWidth(std::wstring_view value, int current) const
{
    if (value == L"thin") {
        return MulDivRounded(75, current, 100);
    }
    if (value == L"thick") {
        return MulDivRounded(125, current, 100);
    }
    if (value == L"medium") {
        return current;
    }
    return ParseLength(value, current, false);
}

std::int32_t StyleParser::ParseBackgroundEffect(std::wstring_view value, std::int32_t current) const
{
    static constexpr std::array<std::wstring_view, 17> names{
        L"transparent", L"solid",      L"hgradient", L"vgradient", L"hcgradient", L"vcgradient",
        L"3hgradient",  L"3vgradient", L"noise",     L"diagshade", L"hshade",     L"vshade",
        L"hbump",       L"vbump",      L"softbump",  L"hardbump",  L"metal"};
    if (value.empty()) {
        return current;
    }
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (value == names[i]) {
            return static_cast<std::int32_t>(i) + EffectTransparent;
        }
    }
    return ParseLength(value, current, false);
}

void StyleParser::ParseStyleDeclarations(std::wstring_view declarations, MarkupStyle& style) const
{
    // Class declarations are usually lower case already: only others are copied to be lowered.
    std::wstring lowered;
    if (HasUpperAscii(declarations)) {
        lowered = LowerAscii(declarations);
        declarations = lowered;
    }
    const std::wstring_view text = declarations;
    std::size_t position = 0;
    while (const std::optional<Declaration> declaration = ReadDeclaration(text, position)) {
        if (declaration->hasColon) {
            ApplyProperty(declaration->name, declaration->value, style);
        }
    }
}

void StyleParser::ApplyProperty(std::wstring_view name, std::wstring_view value, MarkupStyle& style) const
{
    using Apply = void (*)(const StyleParser&, std::wstring_view, MarkupStyle&);
    static constexpr std::pair<std::wstring_view, Apply> properties[] = {
        {L"font-size", [](auto& parser, auto v, auto& s) { s.fontSize = parser.ParseLength(v, s.fontSize, true); }},
        {L"font-family",
         [](auto&, auto v, auto& s) {
             if (!v.empty()) {
                 s.fontFamily = v;
             }
         }},
        {L"font-style", [](auto&, auto v, auto& s) { s.italic = ParseFontStyle(v, s.italic); }},
        {L"font-weight", [](auto&, auto v, auto& s) { s.fontWeight = ParseFontWeight(v); }},
        {L"text-align", [](auto&, auto v, auto& s) { s.textAlign = ParseTextAlign(v, s.textAlign); }},
        {L"text-transform", [](auto&, auto v, auto& s) { s.textTransform = ParseTextTransform(v, s.textTransform); }},
        {L"color", [](auto& parser, auto v, auto& s) { s.textColor = parser.ParseShownColor(v, s.textColor); }},
        {L"background-color", [](auto& parser, auto v, auto& s) { parser.ApplyBackgroundColor(v, s); }},
        {L"text-decoration", [](auto&, auto v, auto& s) { ParseTextDecoration(v, s); }},
        {L"vertical-align", [](auto&, auto v, auto& s) { s.verticalAlign = ParseVerticalAlign(v, s.verticalAlign); }},
        {L"border-color",
         [](auto& parser, auto v, auto& s) {
             s.borderColorLight = parser.ParseShownColor(v, s.borderColorLight);
             s.borderColorDark = s.borderColorLight;
         }},
        {L"border-width", &StyleParser::ApplyBorderWidth},
        {L"size", &StyleParser::ApplyBorderWidth},
        {L"border-style",
         [](auto&, auto v, auto& s) {
             s.borderStyle = ParseBorderStyle(v, s.borderStyle);
             BorderStyleChanged(s);
         }},
        {L"margin", [](auto& parser, auto v, auto& s) { s.margin = parser.ParseLength(v, s.margin, false); }},
        {L"padding", [](auto& parser, auto v, auto& s) { s.padding = parser.ParseLength(v, s.padding, false); }},
    };
    for (const auto& [property, apply] : properties) {
        if (name == property) {
            apply(*this, value, style);
            return;
        }
    }
}

void StyleParser::ApplyBorderWidth(const StyleParser& parser, std::wstring_view value, MarkupStyle& style)
{
    style.borderWidth = parser.ParseBorderWidth(value, style.borderWidth);
    BorderWidthChanged(style);
}

} // namespace fennick
