#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <sys/resource.h>

#include <csignal>

#include "convert/portable/FileConverter.h"
#include "tests/framework/support/CapturedReports.h"
#include "tests/framework/support/TestDirectory.h"

namespace fennick::test {
namespace {

using testing::ElementsAre;
using testing::HasSubstr;

// Lowers the largest file this process may write, so that a write fails part-way as it would
// on a full disk; puts the limit back when it ends.
struct FileSizeLimit {
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &previous);
        previousSignal = std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{bytes, previous.rlim_max};
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &previous);
        std::signal(SIGXFSZ, previousSignal);
    }
    rlimit previous{};
    void (*previousSignal)(int) = nullptr;
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
    ASSERT_EQ(reports.Reports().size(), 3u);
    EXPECT_EQ(reports.Reports()[0].Path(), directory.Path(L"a.txt"));
    EXPECT_EQ(reports.Reports()[1].Path(), directory.Path(L"b.txt"));
    EXPECT_EQ(reports.Reports()[2].Path(), directory.Path(L"c.txt.bak"));
    EXPECT_THAT(reports.Reports()[0].ReportText(), HasSubstr(L"File too large"));
}

} // namespace
} // namespace fennick::test
