#pragma once

#include <cstddef>
#include <string_view>

// Where a wrapped text may break: at white space only. Some line breakers also split Korean
// words between syllables; a description reads best with its words kept whole.

namespace fennick {

bool IsWordSeparator(wchar_t c);

// The start of the word that ends at or before `position` (skipping separators before it).
std::size_t PreviousWordStart(std::wstring_view text, std::size_t position);

// The start of the word after the one `position` is in (or after the separators it is on).
std::size_t NextWordStart(std::wstring_view text, std::size_t position);

} // namespace fennick
