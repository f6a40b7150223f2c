#pragma once

#include <cstddef>
#include <string>
#include <string_view>

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

// Letters A-Z to a-z; everything else unchanged, so results are the same on every platform.
std::wstring LowerAscii(std::wstring_view text);
std::wstring UpperAscii(std::wstring_view text);

// Orders texts as their lower-case forms would be ordered, without making them: a map whose keys
// are lower case finds any spelling of a key with it.
struct LessIgnoringAsciiCase {
    using is_transparent = void;
    bool operator()(std::wstring_view a, std::wstring_view b) const;
};

bool HasUpperAscii(std::wstring_view text);

std::wstring_view TrimTrailingSpaces(std::wstring_view text);
std::wstring_view TrimLeadingSpaces(std::wstring_view text);

} // namespace fennick
