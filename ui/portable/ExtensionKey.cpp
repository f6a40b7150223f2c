#include "ui/portable/ExtensionKey.h"

#include "framework/portable/AsciiText.h"

namespace fennick {

std::wstring_view FileExtension(std::wstring_view path)
{
    const std::size_t dot = path.find_last_of(L"./\\");
    if (dot == std::wstring_view::npos || path[dot] != L'.')
        return {};
    return path.substr(dot);
}

std::wstring_view ExtensionKey(std::wstring_view extension)
{
    return extension.empty() ? kNoExtensionKey : extension;
}

bool MatchesExtensionKey(std::wstring_view path, std::wstring_view key)
{
    const std::wstring_view extension = FileExtension(path);
    if (extension.empty())
        return key == kNoExtensionKey;
    return EqualsIgnoringAsciiCase(extension, key);
}

} // namespace fennick
