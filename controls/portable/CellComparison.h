#pragma once

#include <string>

namespace fennick {

// Every character a decimal digit; the empty text counts as a number.
bool IsNumberText(std::wstring_view text);

// The form dd/mm/yyyy: ten characters, digits except the two "/" at positions 2 and 5.
bool IsDateText(std::wstring_view text);

// -1, 0 or 1 by the order of the integers the two texts start with.
int CompareNumberTexts(std::wstring_view first, std::wstring_view second);

// -1, 0 or 1 by year, then month, then day. Only the first text is known to be a date; the
// second is read at the same positions as it is, a missing part reading as 0.
int CompareDateTexts(std::wstring_view first, std::wstring_view second);

// The comparison for plain text (the user locale's, on Windows).
using TextComparer = int (*)(const wchar_t* first, const wchar_t* second);

// The order of two cells of a sort column. The kind of comparison is chosen from the first
// operand alone: a number, a date, or else plain text. Descending order exchanges the operands
// (it does not negate the result), so the kind then comes from the other text.
int CompareCells(const std::wstring& first, const std::wstring& second, bool ascending, TextComparer compareTexts);

} // namespace fennick
