#pragma once

#include <string>
#include <string_view>

namespace fennick {

// Character classes and case folding of ASCII alone, the same on every platform and in every
// locale: names, keywords, numbers and file extensions are matched by these, while the user's
// own texts are left to the locale.

constexpr bool IsAsciiDigit(wchar_t c)
{
    return c >= L'0' && c <= L'9';
}

constexpr bool IsAsciiLetter(wchar_t c)
{
    return (c >= L'a' && c <= L'z') || (c >= L'A' && c <= L'Z');
}

// The C library's white space: space, tab, line feed, vertical tab, form feed, carriage return.
constexpr bool IsAsciiSpace(wchar_t c)
{
    return c == L' ' || (c >= L'\t' && c <= L'\r');
}

constexpr wchar_t ToLowerAscii(wchar_t c)
{
    return c >= L'A' && c <= L'Z' ? static_cast<wchar_t>(c - L'A' + L'a') : c;
}

constexpr wchar_t ToUpperAscii(wchar_t c)
{
    return c >= L'a' && c <= L'z' ? static_cast<wchar_t>(c - L'a' + L'A') : c;
}

std::wstring LowerAscii(std::wstring_view text);
std::wstring UpperAscii(std::wstring_view text);

bool EqualsIgnoringAsciiCase(std::wstring_view first, std::wstring_view second);
bool HasUpperAscii(std::wstring_view text);

// Orders texts as their lower-case forms would be ordered, without making them: a map whose keys
// are lower case finds any spelling of a key with it.
struct LessIgnoringAsciiCase {
    using is_transparent = void;
    bool operator()(std::wstring_view first, std::wstring_view second) const;
};

} // namespace fennick
