#pragma once

#include <cstddef>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace fennick {

// Every character an ASCII digit; the empty text counts as a number.
bool IsNumberText(std::wstring_view text);

// The form dd/mm/yyyy: ten characters, ASCII digits except the two "/" at positions 2 and 5.
bool IsDateText(std::wstring_view text);

// The user locale's sort key of a text: byte strings that order as the locale orders the texts.
using TextSortKey = std::function<std::string(std::wstring_view text)>;

// The order in which to show rows sorted by one column whose cells are `cells`: the row indices,
// first to last. The kind of comparison is chosen once for the whole column, so that it is an
// order whatever the mix of cells: numbers when every cell is a number text (the empty text as
// 0, numbers of any length compared exactly), dates by year, month and day when every
// non-empty cell is a date (the empty text before every date), otherwise the locale's order of
// the texts. Each cell's key is computed once, and rows with equal keys keep their order in
// both directions.
std::vector<std::size_t> SortedRowOrder(std::span<const std::wstring_view> cells, bool ascending,
                                        const TextSortKey& textKey);

} // namespace fennick
