#pragma once

namespace fennick {

// Folds only the ASCII letters to lower case: file names match across A-Z and a-z as Windows
// users expect, while every other character stays exactly as typed.
constexpr wchar_t FoldAsciiCase(wchar_t unit)
{
    return unit >= L'A' && unit <= L'Z' ? static_cast<wchar_t>(unit - L'A' + L'a') : unit;
}

} // namespace fennick
