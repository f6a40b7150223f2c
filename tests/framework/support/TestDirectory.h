#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace fennick::test {

using Bytes = std::vector<unsigned char>;

// A fresh folder for one test, removed with all it holds (long paths and read-only files
// included) when the test ends. Its files are reached without the code under test, by wide
// names as that code takes them; a name may lead through folders, separated by "/".
class TestDirectory {
public:
    TestDirectory();
    TestDirectory(const TestDirectory&) = delete;
    TestDirectory& operator=(const TestDirectory&) = delete;
    ~TestDirectory();

    // The full path, with the system's separators.
    std::wstring Path(std::wstring_view name) const;

    // Both make the folders on the way and return the full path.
    std::wstring Write(std::wstring_view name, const Bytes& bytes) const;
    std::wstring MakeFolders(std::wstring_view name) const;

    Bytes Read(std::wstring_view name) const;
    void MakeReadOnly(std::wstring_view name) const;

    // The sorted names of everything in the folder, to show that nothing was left behind.
    std::vector<std::wstring> Names() const;

private:
    std::filesystem::path root_;
};

// The std::filesystem form of a wide path, whatever the C library's locale.
std::filesystem::path FileSystemPath(const std::wstring& path);

// The whole content of the file at a full path.
Bytes ReadBytes(const std::wstring& path);

} // namespace fennick::test
