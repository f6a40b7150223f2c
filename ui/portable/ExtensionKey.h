#pragma once

#include <string>
#include <string_view>

namespace fennick {

// The key under which files without an extension are counted and ticked.
inline constexpr std::wstring_view kNoExtensionKey = L"없음";

// The extension of the path's last component: from its last dot to the end, dot included, case
// unchanged; empty when that name has no dot. Both \ and / end a component.
std::wstring_view FileExtension(std::wstring_view path);

// The key an extension from FileExtension is counted under: itself, or kNoExtensionKey for none.
std::wstring_view ExtensionKey(std::wstring_view extension);

// Whether the path's extension is the key, ignoring the case of ASCII letters only, so that
// ticking .txt also ticks .TXT; kNoExtensionKey matches exactly the paths without an extension.
bool MatchesExtensionKey(std::wstring_view path, std::wstring_view key);

} // namespace fennick
