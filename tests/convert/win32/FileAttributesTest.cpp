#include <gtest/gtest.h>

#include <windows.h>

#include "convert/portable/FileConverter.h"
#include "tests/framework/support/CapturedReports.h"
#include "tests/framework/support/TestDirectory.h"

namespace fennick::test {
namespace {

TEST(FileAttributes, SurviveEveryRewriteAndAFileAnotherProgramHoldsIsLeftAlone)
{
    TestDirectory directory;
    CapturedReports reports;
    directory.Write(L"a.txt", {0xB0, 0xA1});
    const std::wstring path = directory.Path(L"a.txt");
    const DWORD attributes = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_ARCHIVE;
    ASSERT_TRUE(SetFileAttributesW(path.c_str(), attributes));
    const FileConverter converter;

    for (const auto rewrite : {&FileConverter::ConvertToUtf8, &FileConverter::RemoveUtf8Header}) {
        EXPECT_TRUE((converter.*rewrite)(path));
        EXPECT_EQ(GetFileAttributesW(path.c_str()), attributes);
    }
    const HANDLE held = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    EXPECT_FALSE(converter.InsertUtf8Header(path));
    CloseHandle(held);
    EXPECT_EQ(directory.Read(L"a.txt"), Bytes({0xEA, 0xB0, 0x80}));
    EXPECT_EQ(directory.Names(), (std::vector<std::wstring>{L"a.txt", L"a.txt.bak"}));
    EXPECT_TRUE(reports.Reports().empty());
}

} // namespace
} // namespace fennick::test
