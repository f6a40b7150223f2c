#include "framework/portable/AsciiText.h"

#include <algorithm>

namespace fennick {

std::wstring LowerAscii(std::wstring_view text)
{
    std::wstring lower(text.size(), L'\0');
    std::ranges::transform(text, lower.begin(), ToLowerAscii);
    return lower;
}

std::wstring UpperAscii(std::wstring_view text)
{
    std::wstring upper(text.size(), L'\0');
    std::ranges::transform(text, upper.begin(), ToUpperAscii);
    return upper;
}

bool EqualsIgnoringAsciiCase(std::wstring_view first, std::wstring_view second)
{
    return std::ranges::equal(first, second, {}, ToLowerAscii, ToLowerAscii);
}

bool HasUpperAscii(std::wstring_view text)
{
    return std::ranges::any_of(text, [](wchar_t c) { return c >= L'A' && c <= L'Z'; });
}

bool LessIgnoringAsciiCase::operator()(std::wstring_view first, std::wstring_view second) const
{
    return std::ranges::lexicographical_compare(first, second, {}, ToLowerAscii, ToLowerAscii);
}

} // namespace fennick
