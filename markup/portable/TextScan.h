#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "framework/portable/AsciiText.h"

namespace fennick {

// Character scanning shared by the declaration, attribute and decoration readers. Each takes
// the position in and out; a position past the end is treated as the end, so no caller can
// step outside the text.

// Advances to the first ASCII digit, ASCII letter or "."; false (at the end) when there is none.
bool NameStart(std::wstring_view text, std::size_t& position);

// Advances to the first character in the set and returns it; 0 with the position at the end.
wchar_t ReadUntil(std::wstring_view text, std::size_t& position, std::wstring_view set);

// Advances over characters in the set and returns the first other one; 0 at the end.
wchar_t SkipSet(std::wstring_view text, std::size_t& position, std::wstring_view set);

// Skips spaces; steps over c and answers true when it comes next.
bool ExpectChar(std::wstring_view text, std::size_t& position, wchar_t c);

std::wstring_view TrimTrailingSpaces(std::wstring_view text);
std::wstring_view TrimLeadingSpaces(std::wstring_view text);

} // namespace fennick
