#pragma once

#include "markup/portable/BackgroundEffect.h"
#include "markup/portable/Color.h"

#include <cstdint>
#include <string>

namespace fennick {

enum class TextAlign : std::int32_t { Left = 0, Center = 1, Right = 2, Justify = 3 };
enum class VerticalAlign : std::int32_t { Top = 0, Middle = 1, Bottom = 2, Baseline = 3 };
enum class TextTransform : std::int32_t { None = 0, Uppercase = 1, Lowercase = 2, Capitalize = 3 };
enum class BackMode : std::int32_t { Transparent = 1, Opaque = 2 };
enum class LinkKind : std::int32_t { None = 0, Address = 1, Message = 2 };

// Every visual property of a text run, a table or a cell. Copied whole: the style stack and
// the table layout keep copies. Lengths are device pixels.
struct MarkupStyle {
    std::wstring name; // in the running style: the style key of the tag being processed
    std::int32_t fontSize = 16;
    std::int32_t fontWeight = 400;
    bool italic = false;
    bool underline = false;
    bool lineThrough = false;
    bool overline = false;
    std::wstring fontFamily = L"Verdana";
    Color textColor = 0x000000;
    Color backColor = 0xFFFFFF;
    Color borderColorLight = 0x000000; // top and left border lines
    Color borderColorDark = 0x000000; // bottom and right border lines
    Color backMidColor = 0xFFFFFF;
    Color backEndColor = 0xFFFFFF;
    BackMode backMode = BackMode::Transparent;
    std::int32_t backEffect = EffectTransparent; // a BackgroundEffect number; any other number fills solid
    std::wstring backImage; // "kind: value" source tiled behind a table or cell
    TextAlign textAlign = TextAlign::Left;
    VerticalAlign verticalAlign = VerticalAlign::Baseline;
    BorderStyle borderStyle = BorderNone;
    std::int32_t borderWidth = 0;
    std::int32_t width = 0; // requested size of a table or cell; kept by ResetStyle
    std::int32_t height = 0;
    TextTransform textTransform = TextTransform::None;
    std::int32_t margin = 2; // of a table: its cell padding
    std::int32_t padding = 0; // of a table: its cell spacing
    LinkKind linkKind = LinkKind::None;
    std::wstring linkTarget;
};

// Back to the defaults above, keeping the requested width and height.
void ResetStyle(MarkupStyle& style);

} // namespace fennick
