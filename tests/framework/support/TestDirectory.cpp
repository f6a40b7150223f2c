#include "tests/framework/support/TestDirectory.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <random>
#include <stdexcept>

#include "tests/framework/support/RemoveTree.h"

namespace fennick::test {

namespace fs = std::filesystem;

namespace {

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
    : root_(fs::temp_directory_path() / ("fennick-test-" + std::to_string(std::random_device()()) + std::to_string(std::random_device()())))
{
    fs::create_directory(root_);
}

TestDirectory::~TestDirectory() { RemoveTree(root_); }

std::wstring TestDirectory::Path(std::wstring_view name) const
{
    return WideName(root_) + static_cast<wchar_t>(fs::path::preferred_separator) + std::wstring(name);
}

void TestDirectory::Write(std::wstring_view name, const Bytes& bytes) const
{
    std::ofstream file(FileSystemPath(Path(name)), std::ios::binary | std::ios::trunc);
    if (!file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size())).flush()) {
        throw std::runtime_error("test file could not be written");
    }
}

Bytes TestDirectory::Read(std::wstring_view name) const
{
    std::ifstream file(FileSystemPath(Path(name)), std::ios::binary);
    if (!file) {
        throw std::runtime_error("test file could not be read");
    }
    return Bytes(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

void TestDirectory::MakeReadOnly(std::wstring_view name) const
{
    fs::permissions(FileSystemPath(Path(name)), fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
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
