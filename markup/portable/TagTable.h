#pragma once

#include <map>
#include <string>
#include <string_view>

namespace fennick {

// What a tag does; the numbers are those an owner uses to add tags of its own.
enum class TagKind : int {
    Unknown = 0,
    Bold = 1,
    Italic = 2,
    Underline = 3,
    StrikeOut = 4,
    Font = 5,
    Rule = 6,
    LineBreak = 7,
    Tab = 8,
    AlignLeft = 9,
    AlignCenter = 10,
    AlignRight = 11,
    AlignJustify = 12,
    VAlignBaseline = 13,
    VAlignTop = 14,
    VAlignMiddle = 15,
    VAlignBottom = 16,
    Bitmap = 17,
    Icon = 18,
    ImageStrip = 19,
    StringResource = 20,
    StyledTag = 21,
    ClassSpan = 22,
    Link = 23,
};

// A tag with a style key nests: it saves the style on opening and restores it on its closing
// tag. A tag without one acts at once and has no closing form.
struct TagEntry {
    TagKind kind = TagKind::Unknown;
    std::wstring styleKey;
};

// Tag names compare exactly, letter case included.
using TagTable = std::map<std::wstring, TagEntry, std::less<>>;

TagTable DefaultTagTable();

// Whether the kind changes the style and so needs a style key to act.
bool KindNests(TagKind kind);

} // namespace fennick
