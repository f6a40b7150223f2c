#include "ui/portable/ExtensionTable.h"

#include <algorithm>

namespace fennick {

namespace {

// A rank that sorts code points like their UTF-16 code units: the units E000-FFFF sort after
// the surrogates D800-DFFF that stand for the code points above FFFF.
char32_t Utf16Rank(wchar_t unit)
{
    const auto value = static_cast<char32_t>(unit);
    return value >= 0xE000 && value <= 0xFFFF ? value + 0x110000 : value;
}

} // namespace

bool Utf16Less::operator()(std::wstring_view left, std::wstring_view right) const
{
    return std::ranges::lexicographical_compare(left, right, {}, Utf16Rank, Utf16Rank);
}

void CountExtension(ExtensionTable& table, std::wstring_view key)
{
    // Looking up by view first saves building a string for every path of a known key.
    if (const auto found = table.find(key); found != table.end())
        ++found->second;
    else
        table.emplace(key, 1);
}

} // namespace fennick
