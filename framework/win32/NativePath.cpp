#include "framework/portable/NativePath.h"

#include <windows.h>

#include <string_view>

namespace fennick {

std::optional<NativePath> ToNativePath(const std::wstring& path)
{
    constexpr std::wstring_view extendedPrefix = L"\\\\?\\";
    if (path.empty() || path.find(L'\0') != std::wstring::npos) {
        return std::nullopt;
    }
    if (path.starts_with(extendedPrefix)) {
        return path;
    }
    std::wstring full(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetFullPathNameW(path.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr);
        if (length == 0) {
            return std::nullopt;
        }
        const bool fits = length < full.size();
        full.resize(length);
        if (fits) {
            break;
        }
    }
    if (full.starts_with(L"\\\\.\\")) {
        return full; // a device keeps its own form
    }
    if (full.starts_with(L"\\\\")) {
        return L"\\\\?\\UNC\\" + full.substr(2);
    }
    return std::wstring(extendedPrefix) + full;
}

} // namespace fennick
