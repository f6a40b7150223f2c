#include "markup/portable/TextScan.h"

#include <algorithm>

namespace fennick {

namespace {

bool IsNameStart(wchar_t c)
{
    return (c >= L'0' && c <= L'9') || (c >= L'a' && c <= L'z') || (c >= L'A' && c <= L'Z') || c == L'.';
}

std::size_t Clamp(std::wstring_view text, std::size_t& position)
{
    position = std::min(position, text.size());
    return position;
}

wchar_t LowerAsciiChar(wchar_t c)
{
    return c >= L'A' && c <= L'Z' ? static_cast<wchar_t>(c - L'A' + L'a') : c;
}

// Each of the 26 letters from the first of one case to the same letter of the other.
std::wstring ShiftLetters(std::wstring_view text, wchar_t from, wchar_t to)
{
    std::wstring result(text);
    for (wchar_t& c : result) {
        if (c >= from && c < from + 26) {
            c = static_cast<wchar_t>(c - from + to);
        }
    }
    return result;
}

} // namespace

bool NameStart(std::wstring_view text, std::size_t& position)
{
    for (Clamp(text, position); position < text.size(); ++position) {
        if (IsNameStart(text[position])) {
            return true;
        }
    }
    return false;
}

wchar_t ReadUntil(std::wstring_view text, std::size_t& position, std::wstring_view set)
{
    const std::size_t found = text.find_first_of(set, Clamp(text, position));
    position = found == std::wstring_view::npos ? text.size() : found;
    return position < text.size() ? text[position] : L'\0';
}

wchar_t SkipSet(std::wstring_view text, std::size_t& position, std::wstring_view set)
{
    Clamp(text, position);
    if (!set.empty()) {
        const std::size_t found = text.find_first_not_of(set, position);
        position = found == std::wstring_view::npos ? text.size() : found;
    }
    return position < text.size() ? text[position] : L'\0';
}

bool ExpectChar(std::wstring_view text, std::size_t& position, wchar_t c)
{
    if (SkipSet(text, position, L" ") != c || position == text.size()) {
        return false;
    }
    ++position;
    return true;
}

std::wstring LowerAscii(std::wstring_view text)
{
    return ShiftLetters(text, L'A', L'a');
}

std::wstring UpperAscii(std::wstring_view text)
{
    return ShiftLetters(text, L'a', L'A');
}

bool LessIgnoringAsciiCase::operator()(std::wstring_view a, std::wstring_view b) const
{
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                        [](wchar_t x, wchar_t y) { return LowerAsciiChar(x) < LowerAsciiChar(y); });
}

bool HasUpperAscii(std::wstring_view text)
{
    return std::any_of(text.begin(), text.end(), [](wchar_t c) { return c >= L'A' && c <= L'Z'; });
}

std::wstring_view TrimTrailingSpaces(std::wstring_view text)
{
    const std::size_t last = text.find_last_not_of(L' ');
    return last == std::wstring_view::npos ? std::wstring_view{} : text.substr(0, last + 1);
}

std::wstring_view TrimLeadingSpaces(std::wstring_view text)
{
    const std::size_t first = text.find_first_not_of(L' ');
    return first == std::wstring_view::npos ? std::wstring_view{} : text.substr(first);
}

} // namespace fennick
