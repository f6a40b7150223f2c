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
    if (search != INVALID_HANDLE_VALUE) {
        do {
            const std::wstring name = entry.cFileName;
            if (name == L"." || name == L"..") {
                continue;
            }
            const std::wstring path = folder + L"\\" + name;
            if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                RemoveExtended(path);
            } else {
                SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
                DeleteFileW(path.c_str());
            }
        } while (FindNextFileW(search, &entry));
        FindClose(search);
    }
    SetFileAttributesW(folder.c_str(), FILE_ATTRIBUTE_NORMAL);
    RemoveDirectoryW(folder.c_str());
}

} // namespace

void RemoveTree(const std::filesystem::path& root) noexcept
{
    RemoveExtended(L"\\\\?\\" + std::filesystem::absolute(root).wstring());
}

} // namespace fennick::test
