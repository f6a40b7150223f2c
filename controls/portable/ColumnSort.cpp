#include "controls/portable/ColumnSort.h"

#include <algorithm>
#include <cstdint>
#include <numeric>

#include "framework/portable/AsciiText.h"

namespace fennick {

namespace {

constexpr size_t kDateLength = 10;

enum class ColumnKind { Number, Date, Text };

ColumnKind KindOf(std::span<const std::wstring_view> cells)
{
    if (std::ranges::all_of(cells, IsNumberText))
        return ColumnKind::Number;
    if (std::ranges::all_of(cells, [](std::wstring_view cell) { return cell.empty() || IsDateText(cell); }))
        return ColumnKind::Date;
    return ColumnKind::Text;
}

// The digits without leading zeros, after their count: a longer number is the greater one.
std::string NumberKey(std::wstring_view digits)
{
    digits.remove_prefix(std::min(digits.find_first_not_of(L'0'), digits.size()));
    std::string key;
    key.reserve(sizeof(std::uint64_t) + digits.size());
    for (int shift = 56; shift >= 0; shift -= 8)
        key.push_back(static_cast<char>(static_cast<std::uint64_t>(digits.size()) >> shift));
    key.append(digits.begin(), digits.end());
    return key;
}

// "yyyymmdd" out of "dd/mm/yyyy"; nothing for the empty cell.
std::string DateKey(std::wstring_view date)
{
    if (date.empty())
        return {};
    std::string key;
    for (const std::wstring_view part : {date.substr(6, 4), date.substr(3, 2), date.substr(0, 2)})
        key.append(part.begin(), part.end());
    return key;
}

std::vector<std::string> SortKeys(std::span<const std::wstring_view> cells, const TextSortKey& textKey)
{
    const ColumnKind kind = KindOf(cells);
    std::vector<std::string> keys;
    keys.reserve(cells.size());
    for (const std::wstring_view cell : cells) {
        switch (kind) {
        case ColumnKind::Number:
            keys.push_back(NumberKey(cell));
            break;
        case ColumnKind::Date:
            keys.push_back(DateKey(cell));
            break;
        case ColumnKind::Text:
            keys.push_back(textKey(cell));
            break;
        }
    }
    return keys;
}

} // namespace

bool IsNumberText(std::wstring_view text)
{
    return std::ranges::all_of(text, IsAsciiDigit);
}

bool IsDateText(std::wstring_view text)
{
    if (text.size() != kDateLength)
        return false;
    for (size_t i = 0; i < kDateLength; ++i) {
        const bool separator = i == 2 || i == 5;
        if (separator ? text[i] != L'/' : !IsAsciiDigit(text[i]))
            return false;
    }
    return true;
}

std::vector<std::size_t> SortedRowOrder(std::span<const std::wstring_view> cells, bool ascending,
                                        const TextSortKey& textKey)
{
    const std::vector<std::string> keys = SortKeys(cells, textKey);
    std::vector<std::size_t> order(cells.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::ranges::stable_sort(order, [&](std::size_t first, std::size_t second) {
        return ascending ? keys[first] < keys[second] : keys[second] < keys[first];
    });
    return order;
}

} // namespace fennick
