#include <windows.h>

#include <string>

#include "tests/framework/support/RemoveTree.h"

namespace fennick::test {
namespace {

// The run-time library's folder walk stops at the classic path limit; the extended form
// reaches everything.
void RemoveExtended(const std::wstring& folder)
{
    WIN32_FIND_DATAW entry;
    const HANDLE search = FindFirstFileW((folder + L"\\*").c_str(), &entry);
    for (bool found = search != INVALID_HANDLE_VALUE; found; found = FindNextFileW(search, &entry)) {
        const std::wstring name = entry.cFileName;
        const std::wstring path = folder + L"\\" + name;
        if (name == L"." || name == L"..") {
            continue;
        }
        if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            RemoveExtended(path);
        } else {
            SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
            DeleteFileW(path.c_str());
        }
    }
    FindClose(search);
    SetFileAttributesW(folder.c_str(), FILE_ATTRIBUTE_NORMAL);
    RemoveDirectoryW(folder.c_str());
}

} // namespace

void RemoveTree(const std::filesystem::path& root) noexcept
{
    RemoveExtended(L"\\\\?\\" + std::filesystem::absolute(root).wstring());
}

} // namespace fennick::test
