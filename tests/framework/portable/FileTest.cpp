#include <gtest/gtest.h>

#include <filesystem>

#include "framework/portable/File.h"
#include "framework/portable/FileException.h"
#include "tests/framework/support/TestDirectory.h"

namespace fennick::test {
namespace {

TEST(File, OpensOnlyExistingRegularFilesForReading)
{
    TestDirectory directory;
    std::filesystem::create_directory(FileSystemPath(directory.Path(L"folder")));
    directory.Write(L"a.txt", {'a'});

    File file;
    EXPECT_FALSE(file.OpenForReading(directory.Path(L"missing.txt")));
    EXPECT_FALSE(file.OpenForReading(directory.Path(L"folder")));
    EXPECT_FALSE(file.OpenForReading(directory.Path(std::wstring(L"a.txt\0.bak", 10))));
    EXPECT_FALSE(file.IsOpen());
    EXPECT_TRUE(file.OpenForReading(directory.Path(L"a.txt")));
}

TEST(File, ReadsWhatWasWrittenUnderANonAsciiName)
{
    TestDirectory directory;
    const Bytes content{0xB0, 0xA1, 0x00, 0x0A, 0xFF};
    directory.Write(L"한글 이름.txt", content);

    File file;
    ASSERT_TRUE(file.OpenForReading(directory.Path(L"한글 이름.txt")));
    ASSERT_EQ(file.GetLength(), content.size());
    Bytes read(content.size());
    file.Read(read);
    file.Close();
    EXPECT_EQ(read, content);
}

TEST(File, ReadingPastTheEndRaisesNamingTheFile)
{
    TestDirectory directory;
    directory.Write(L"short.txt", {'a', 'b'});
    File file;
    ASSERT_TRUE(file.OpenForReading(directory.Path(L"short.txt")));
    Bytes read(3);
    try {
        file.Read(read);
        FAIL() << "reading three bytes of a two-byte file succeeded";
    } catch (const FileException& failure) {
        EXPECT_EQ(failure.Path(), directory.Path(L"short.txt"));
        EXPECT_FALSE(failure.Description().empty());
    }
}

TEST(File, ReportsLengthsBeyondFourGibibytesInFull)
{
    TestDirectory directory;
    directory.Write(L"large.bin", {});
    const std::uint64_t length = (std::uint64_t{1} << 32) + 5;
    std::filesystem::resize_file(FileSystemPath(directory.Path(L"large.bin")), length);

    File file;
    ASSERT_TRUE(file.OpenForReading(directory.Path(L"large.bin")));
    EXPECT_EQ(file.GetLength(), length);
}

} // namespace
} // namespace fennick::test
