#include "tests/framework/support/TestDirectory.h"

#ifdef _WIN32
#include <windows.h>
#endif

#include <algorithm>
#include <fstream>
#include <iterator>
#include <random>
#include <stdexcept>

namespace fennick::test {

namespace fs = std::filesystem;

namespace {

#ifdef _WIN32
// The run-time library's folder walk stops at the classic path limit; the extended form
// reaches everything, read-only files included.
void RemoveExtended(const std::wstring& folder)
{
    WIN32_FIND_DATAW entry;
    const HANDLE search = FindFirstFileW((folder + L"\\*").c_str(), &entry);
    for (bool found = search != INVALID_HANDLE_VALUE; found; found = FindNextFileW(search, &entry)) {
        const std::wstring name = entry.cFileName;
        const std::wstring path = folder + L"\\" + name;
        if (name == L"." || name == L"..") {
            continue;
        } else if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
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

void RemoveTree(const fs::path& root)
{
    RemoveExtended(L"\\\\?\\" + fs::absolute(root).wstring());
}
#else
void RemoveTree(const fs::path& root)
{
    std::error_code ignored;
    fs::remove_all(root, ignored);
}
#endif

std::wstring WideName(const fs::path& path)
{
    if constexpr (sizeof(wchar_t) == sizeof(char16_t)) {
        return path.wstring();
    } else {
        const std::u32string name = path.u32string();
        return {name.begin(), name.end()};
    }
}

} // namespace

fs::path FileSystemPath(const std::wstring& path)
{
    if constexpr (sizeof(wchar_t) == sizeof(char16_t)) {
        return fs::path(path);
    } else {
        return fs::path(std::u32string(path.begin(), path.end()));
    }
}

TestDirectory::TestDirectory()
    : root_(fs::temp_directory_path() /
            ("fennick-test-" + std::to_string(std::random_device()()) + std::to_string(std::random_device()())))
{
    fs::create_directory(root_);
}

TestDirectory::~TestDirectory()
{
    RemoveTree(root_);
}

std::wstring TestDirectory::Path(std::wstring_view name) const
{
    constexpr auto separator = static_cast<wchar_t>(fs::path::preferred_separator);
    std::wstring path = WideName(root_) + separator + std::wstring(name);
    std::replace(path.begin(), path.end(), L'/', separator);
    return path;
}

std::wstring TestDirectory::Write(std::wstring_view name, const Bytes& bytes) const
{
    const std::wstring path = Path(name);
    fs::create_directories(FileSystemPath(path).parent_path());
    std::ofstream file(FileSystemPath(path), std::ios::binary | std::ios::trunc);
    if (!file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size())).flush()) {
        throw std::runtime_error("test file could not be written");
    }
    return path;
}

std::wstring TestDirectory::MakeFolders(std::wstring_view name) const
{
    const std::wstring path = Path(name);
    fs::create_directories(FileSystemPath(path));
    return path;
}

Bytes ReadBytes(const std::wstring& path)
{
    std::ifstream file(FileSystemPath(path), std::ios::binary);
    if (!file) {
        throw std::runtime_error("test file could not be read");
    }
    return Bytes(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

Bytes TestDirectory::Read(std::wstring_view name) const
{
    return ReadBytes(Path(name));
}

void TestDirectory::MakeReadOnly(std::wstring_view name) const
{
    fs::permissions(FileSystemPath(Path(name)),
                    fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
}

std::vector<std::wstring> TestDirectory::Names() const
{
    std::vector<std::wstring> names;
    for (const fs::directory_entry& entry : fs::directory_iterator(root_)) {
        names.push_back(WideName(entry.path().filename()));
    }
    std::sort(names.begin(), names.end());
    return names;
}

} // namespace fennick::test
