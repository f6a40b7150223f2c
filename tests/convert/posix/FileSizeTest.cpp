#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <sys/resource.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "convert/portable/FileConverter.h"
#include "tests/framework/support/CapturedReports.h"
#include "tests/framework/support/TestDirectory.h"

namespace fennick::test {
namespace {

using testing::ElementsAre;
using testing::HasSubstr;

// Lowers the largest file this process may write while it lives: writes fail part-way, as on a
// full disk.
struct FileSizeLimit {
    explicit FileSizeLimit(rlim_t bytes) : previousSignal(std::signal(SIGXFSZ, SIG_IGN))
    {
        getrlimit(RLIMIT_FSIZE, &previous);
        const rlimit limit{bytes, previous.rlim_max};
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &previous), std::signal(SIGXFSZ, previousSignal); }
    void (*previousSignal)(int);
    rlimit previous{};
};

TEST(WriteFailure, LeavesEveryFileAsItWasAndReportsTheCause)
{
    TestDirectory directory;
    const Bytes ansi(100'000, 0xB0);
    const Bytes ascii(100'000, 'a');
    directory.Write(L"a.txt", ansi);
    directory.Write(L"b.txt", ascii);
    directory.Write(L"c.txt", ascii);
    directory.Write(L"c.txt.bak", {'o', 'l', 'd'});
    CapturedReports reports;
    FileConverter converter;
    converter.SetBackupFlag(false);
    {
        const FileSizeLimit limit(64 * 1024);
        EXPECT_FALSE(converter.ConvertToUtf8(directory.Path(L"a.txt")));
        EXPECT_FALSE(converter.InsertUtf8Header(directory.Path(L"b.txt")));
        converter.SetBackupFlag(true);
        EXPECT_FALSE(converter.ConvertToUtf8(directory.Path(L"c.txt")));
    }
    EXPECT_TRUE(directory.Read(L"a.txt") == ansi);
    EXPECT_TRUE(directory.Read(L"b.txt") == ascii && directory.Read(L"c.txt") == ascii);
    EXPECT_EQ(directory.Read(L"c.txt.bak"), Bytes({'o', 'l', 'd'}));
    EXPECT_THAT(directory.Names(), ElementsAre(L"a.txt", L"b.txt", L"c.txt", L"c.txt.bak"));
    EXPECT_EQ(reports.Paths(),
              (std::vector{directory.Path(L"a.txt"), directory.Path(L"b.txt"), directory.Path(L"c.txt.bak")}));
    ASSERT_FALSE(reports.Reports().empty());
    EXPECT_THAT(reports.Reports()[0].ReportText(), HasSubstr(L"File too large"));
}

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
    EXPECT_EQ(start, "\xEF\xBB\xBF"
                     "abc");
    EXPECT_EQ(converted.get(), 'z');
    EXPECT_TRUE(reports.Reports().empty());
}

} // namespace
} // namespace fennick::test
