#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace fennick::test {

using Bytes = std::vector<unsigned char>;

// A fresh folder for one test, removed with all it holds when the test ends. Its files are
// reached without the code under test, by wide names as that code takes them.
class TestDirectory {
public:
    TestDirectory();
    TestDirectory(const TestDirectory&) = delete;
    TestDirectory& operator=(const TestDirectory&) = delete;
    ~TestDirectory();

    std::wstring Path(std::wstring_view name) const;

    void Write(std::wstring_view name, const Bytes& bytes) const;
    Bytes Read(std::wstring_view name) const;
    void MakeReadOnly(std::wstring_view name) const;

    // The sorted names of everything in the folder, to show that nothing was left behind.
    std::vector<std::wstring> Names() const;

private:
    std::filesystem::path root_;
};

// The std::filesystem form of a wide path, whatever the C library's locale.
std::filesystem::path FileSystemPath(const std::wstring& path);

} // namespace fennick::test
