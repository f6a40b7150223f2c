#include "markup/portable/TagTable.h"

namespace fennick {

TagTable DefaultTagTable()
{
    TagTable table;
    const auto nesting = [&table](const wchar_t* name, TagKind kind) { table[name] = {kind, name}; };
    const auto atOnce = [&table](const wchar_t* name, TagKind kind) { table[name] = {kind, L""}; };
    nesting(L"b", TagKind::Bold);
    nesting(L"strong", TagKind::Bold);
    nesting(L"i", TagKind::Italic);
    nesting(L"em", TagKind::Italic);
    nesting(L"u", TagKind::Underline);
    nesting(L"s", TagKind::StrikeOut);
    nesting(L"strike", TagKind::StrikeOut);
    nesting(L"font", TagKind::Font);
    atOnce(L"hr", TagKind::Rule);
    atOnce(L"br", TagKind::LineBreak);
    atOnce(L"t", TagKind::Tab);
    nesting(L"left", TagKind::AlignLeft);
    nesting(L"center", TagKind::AlignCenter);
    nesting(L"right", TagKind::AlignRight);
    nesting(L"justify", TagKind::AlignJustify);
    nesting(L"baseline", TagKind::VAlignBaseline);
    nesting(L"top", TagKind::VAlignTop);
    nesting(L"middle", TagKind::VAlignMiddle);
    nesting(L"bottom", TagKind::VAlignBottom);
    atOnce(L"bmp", TagKind::Bitmap);
    atOnce(L"icon", TagKind::Icon);
    atOnce(L"strip", TagKind::ImageStrip);
    atOnce(L"string", TagKind::StringResource);
    for (const wchar_t* styled : {L"body", L"h1", L"h2", L"h3", L"code", L"small", L"big"}) {
        nesting(styled, TagKind::StyledTag);
    }
    nesting(L"span", TagKind::ClassSpan);
    nesting(L"a", TagKind::Link);
    return table;
}

bool KindNests(TagKind kind)
{
    switch (kind) {
    case TagKind::Rule:
    case TagKind::LineBreak:
    case TagKind::Tab:
    case TagKind::Bitmap:
    case TagKind::Icon:
    case TagKind::ImageStrip:
    case TagKind::StringResource:
    case TagKind::Unknown:
        return false;
    default:
        return true;
    }
}

} // namespace fennick
