#pragma once

#include <string_view>

namespace fennick {

// The integer a text starts with, read as the C run-time's _wtoi reads it: white space
// skipped, an optional sign, then decimal digits up to the first other character; no digits
// reads as 0.
int LeadingInteger(std::wstring_view text);

// Orders the leading integers of two texts (-1, 0 or 1) exactly, however many digits they
// have, where converting to int first would make every long number look the same.
int CompareLeadingIntegers(std::wstring_view first, std::wstring_view second);

// Only the ASCII digits count: other scripts' digits would pass a digit test but read as 0.
constexpr bool IsDecimalDigit(wchar_t character)
{
    return character >= L'0' && character <= L'9';
}

} // namespace fennick
