#include "ui/portable/WordBreak.h"

#include <algorithm>

namespace fennick {

bool IsWordSeparator(wchar_t c)
{
    return c == L' ' || c == L'\t' || c == L'\r' || c == L'\n';
}

std::size_t PreviousWordStart(std::wstring_view text, std::size_t position)
{
    std::size_t i = std::min(position, text.size());
    while (i > 0 && IsWordSeparator(text[i - 1]))
        --i;
    while (i > 0 && !IsWordSeparator(text[i - 1]))
        --i;
    return i;
}

std::size_t NextWordStart(std::wstring_view text, std::size_t position)
{
    std::size_t i = std::min(position, text.size());
    while (i < text.size() && !IsWordSeparator(text[i]))
        ++i;
    while (i < text.size() && IsWordSeparator(text[i]))
        ++i;
    return i;
}

} // namespace fennick
