#pragma once

#include "markup/portable/MarkupStyle.h"

#include <map>
#include <string>
#include <string_view>

namespace fennick {

using ReplacementTable = std::map<std::wstring, std::wstring, std::less<>>;

// "&lt;", "&gt;", "&nbsp;" and "&quot;".
ReplacementTable DefaultReplacements();

// The raw text as the tokenizer reads it: every replacement applied in key order, carriage
// returns removed, and line feeds and tabs turned into "<br>" and "<t>" (multiLine) or removed.
std::wstring PrepareMarkup(std::wstring_view raw, const ReplacementTable& replacements, bool multiLine);

// Upper, lower or capitalised (a-z after the start or a space) text of a run.
std::wstring TransformText(std::wstring_view run, TextTransform transform);

} // namespace fennick
