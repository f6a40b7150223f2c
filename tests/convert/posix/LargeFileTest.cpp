#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "convert/portable/FileConverter.h"
#include "tests/framework/support/CapturedReports.h"
#include "tests/framework/support/TestDirectory.h"

namespace fennick::test {
namespace {

// Reads and writes 4 GiB and holds them in memory: too heavy for every run on a shared machine.
TEST(LargeFile, IsConvertedInFullBeyondFourGibibytes)
{
    if (std::getenv("FENNICK_LARGE_FILE_TESTS") == nullptr) {
        GTEST_SKIP() << "set FENNICK_LARGE_FILE_TESTS=1 to convert a file of 4 GiB";
    }
    TestDirectory directory;
    CapturedReports reports;
    const std::uint64_t length = (std::uint64_t{1} << 32) + 4;
    directory.Write(L"large.txt", {'a', 'b', 'c'});
    const std::filesystem::path path = FileSystemPath(directory.Path(L"large.txt"));
    std::filesystem::resize_file(path, length - 1);
    std::ofstream(path, std::ios::binary | std::ios::app).put('z');
    FileConverter converter;
    converter.SetBackupFlag(false);

    EXPECT_TRUE(converter.ConvertToUtf8(directory.Path(L"large.txt")));
    ASSERT_EQ(std::filesystem::file_size(path), length + 3);
    std::ifstream converted(path, std::ios::binary);
    std::string start(6, '\0');
    converted.read(start.data(), 6).seekg(-1, std::ios::end);
    EXPECT_EQ(start, "\xEF\xBB\xBF" "abc");
    EXPECT_EQ(converted.get(), 'z');
    EXPECT_TRUE(reports.Reports().empty());
}

} // namespace
} // namespace fennick::test
