#pragma once

#include "markup/portable/MarkupStyle.h"
#include "markup/portable/StyleParser.h"

#include <string_view>

namespace fennick {

// The style changes of the tags that take attributes, and the counts of breaks and tabs.

// Weight doubled, at most 900.
void ApplyBold(MarkupStyle& style);

// The attributes face, size, color, style, weight and bkgnd of the font tag.
void ApplyFontAttributes(const StyleParser& parser, std::wstring_view attributes, MarkupStyle& style);

// Letters b, i, u, s, o turn bold, italic, underline, strike-out and overline on, or off after "-".
void ApplyStyleLetters(std::wstring_view letters, MarkupStyle& style);

// A message link unless an href makes it an address; the last href or msg gives the target.
void ApplyLinkAttributes(std::wstring_view attributes, MarkupStyle& style);

// Larger counts are taken as this: a break or tab count multiplies a line height or tab width.
constexpr int kMaxTagCount = 1000;

// The count written right after the tag name as "=N"; 1 without one (so "<br 12>" is one break).
int ReadTagCount(std::wstring_view attributes);

// The string id of a string-resource tag (idres or iddll); 0 for none.
unsigned ReadStringId(const StyleParser& parser, std::wstring_view attributes);

} // namespace fennick
