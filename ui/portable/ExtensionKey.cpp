#include "ui/portable/ExtensionKey.h"

#include <algorithm>

#include "ui/portable/AsciiCase.h"

namespace fennick {

namespace {

bool EqualIgnoringAsciiCase(std::wstring_view left, std::wstring_view right)
{
    return std::ranges::equal(left, right, {}, FoldAsciiCase, FoldAsciiCase);
}

} // namespace

std::wstring_view FileExtension(std::wstring_view path)
{
    const std::size_t dot = path.find_last_of(L"./\\");
    if (dot == std::wstring_view::npos || path[dot] != L'.')
        return {};
    return path.substr(dot);
}

std::wstring_view ExtensionKey(std::wstring_view extension)
{
    return extension.empty() ? NoExtensionKey : extension;
}

bool MatchesExtensionKey(std::wstring_view path, std::wstring_view key)
{
    const std::wstring_view extension = FileExtension(path);
    if (extension.empty())
        return key == NoExtensionKey;
    return EqualIgnoringAsciiCase(extension, key);
}

} // namespace fennick
