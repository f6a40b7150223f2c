#include <gtest/gtest.h>

#include <filesystem>

#include "framework/portable/File.h"
#include "framework/portable/FileException.h"
#include "framework/portable/ReplacementFile.h"
#include "tests/framework/support/TestDirectory.h"

namespace fennick::test {
namespace {

TEST(File, OpensOnlyExistingRegularFilesAndNeverAShortenedPath)
{
    TestDirectory directory;
    directory.MakeFolders(L"folder");
    directory.Write(L"a.txt", {'a'});
    const std::wstring shortened = directory.Path(std::wstring(L"a.txt\0.bak", 10));

    File file;
    EXPECT_FALSE(file.OpenForReading(directory.Path(L"missing.txt")));
    EXPECT_FALSE(file.OpenForReading(directory.Path(L"folder")));
    EXPECT_FALSE(file.OpenForReading(shortened));
    ReplacementFile replacement;
    EXPECT_FALSE(replacement.Open(shortened, ReplacementFile::Target::ExistingOrNew));
    EXPECT_TRUE(file.OpenForReading(directory.Path(L"a.txt")));
}

TEST(File, ReportsLengthsBeyondFourGibibytesAndNamesItselfWhenReadPastItsEnd)
{
    TestDirectory directory;
    directory.Write(L"large.bin", {'a', 'b'});
    const std::uint64_t length = (std::uint64_t{1} << 32) + 5;
    File file;
    ASSERT_TRUE(file.OpenForReading(directory.Path(L"large.bin")));
    Bytes read(3);
    try {
        file.Read(read);
        ADD_FAILURE() << "reading three bytes of a two-byte file succeeded";
    } catch (const FileException& failure) {
        EXPECT_EQ(failure.Path(), directory.Path(L"large.bin"));
    }
    file.Close();
    std::filesystem::resize_file(FileSystemPath(directory.Path(L"large.bin")), length);
    ASSERT_TRUE(file.OpenForReading(directory.Path(L"large.bin")));
    EXPECT_EQ(file.GetLength(), length);
}

TEST(ReplacementFile, KeepsTheFilesPermissions)
{
    namespace fs = std::filesystem;
    TestDirectory directory;
    directory.Write(L"a.txt", {'o', 'l', 'd'});
    const fs::path path = FileSystemPath(directory.Path(L"a.txt"));
    fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    const fs::perms before = fs::status(path).permissions();

    ReplacementFile file;
    ASSERT_TRUE(file.Open(directory.Path(L"a.txt"), ReplacementFile::Target::Existing));
    file.Write(Bytes{'n', 'e', 'w'});
    file.Commit();
    EXPECT_EQ(fs::status(path).permissions(), before);
    EXPECT_EQ(directory.Read(L"a.txt"), Bytes({'n', 'e', 'w'}));
}

} // namespace
} // namespace fennick::test
