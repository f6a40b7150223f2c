#include "markup/portable/ColorScheme.h"

namespace fennick {

namespace {

struct NamedColor {
    const wchar_t* name;
    Color color;
};

// The sixteen basic web colours, their common aliases and a few everyday extras.
constexpr NamedColor kBuiltInColors[] = {
    {L"black", Rgb(0, 0, 0)},           {L"silver", Rgb(192, 192, 192)},    {L"gray", Rgb(128, 128, 128)},
    {L"grey", Rgb(128, 128, 128)},      {L"white", Rgb(255, 255, 255)},     {L"maroon", Rgb(128, 0, 0)},
    {L"red", Rgb(255, 0, 0)},           {L"purple", Rgb(128, 0, 128)},      {L"fuchsia", Rgb(255, 0, 255)},
    {L"magenta", Rgb(255, 0, 255)},     {L"green", Rgb(0, 128, 0)},         {L"lime", Rgb(0, 255, 0)},
    {L"olive", Rgb(128, 128, 0)},       {L"yellow", Rgb(255, 255, 0)},      {L"navy", Rgb(0, 0, 128)},
    {L"blue", Rgb(0, 0, 255)},          {L"teal", Rgb(0, 128, 128)},        {L"aqua", Rgb(0, 255, 255)},
    {L"cyan", Rgb(0, 255, 255)},        {L"orange", Rgb(255, 165, 0)},      {L"brown", Rgb(165, 42, 42)},
    {L"pink", Rgb(255, 192, 203)},      {L"gold", Rgb(255, 215, 0)},        {L"darkgray", Rgb(169, 169, 169)},
    {L"lightgray", Rgb(211, 211, 211)}, {L"darkred", Rgb(139, 0, 0)},       {L"darkgreen", Rgb(0, 100, 0)},
    {L"darkblue", Rgb(0, 0, 139)},      {L"lightblue", Rgb(173, 216, 230)}, {L"skyblue", Rgb(135, 206, 235)},
    {L"violet", Rgb(238, 130, 238)},    {L"indigo", Rgb(75, 0, 130)},       {L"beige", Rgb(245, 245, 220)},
    {L"ivory", Rgb(255, 255, 240)},     {L"khaki", Rgb(240, 230, 140)},     {L"salmon", Rgb(250, 128, 114)},
    {L"tomato", Rgb(255, 99, 71)},      {L"coral", Rgb(255, 127, 80)},      {L"crimson", Rgb(220, 20, 60)},
    {L"chocolate", Rgb(210, 105, 30)},  {L"tan", Rgb(210, 180, 140)},       {L"turquoise", Rgb(64, 224, 208)},
};

} // namespace

ColorScheme::ColorScheme()
{
    for (const NamedColor& entry : kBuiltInColors) {
        colorNames_.emplace(entry.name, entry.color);
    }
}

Color ColorScheme::ColorByName(std::wstring_view name, Color fallback) const
{
    if (!enabled_) {
        return disabledColor_;
    }
    const auto found = colorNames_.find(name);
    return found == colorNames_.end() ? fallback : found->second;
}

void ColorScheme::SetColorName(std::wstring_view name, Color color)
{
    colorNames_.insert_or_assign(LowerAscii(name), color);
}

} // namespace fennick
