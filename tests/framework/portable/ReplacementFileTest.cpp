#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>

#include "framework/portable/FileException.h"
#include "framework/portable/ReplacementFile.h"
#include "tests/framework/support/TestDirectory.h"

namespace fennick::test {
namespace {

using Target = ReplacementFile::Target;
using testing::ElementsAre;

const Bytes oldContent{'o', 'l', 'd'};
const Bytes newContent{'n', 'e', 'w', '!'};

TEST(ReplacementFile, TakesTheFilesPlaceOnlyOnCommit)
{
    for (const bool commit : {true, false}) {
        SCOPED_TRACE(commit ? "committed" : "dropped");
        TestDirectory directory;
        directory.Write(L"a.txt", oldContent);
        {
            ReplacementFile file;
            ASSERT_TRUE(file.Open(directory.Path(L"a.txt"), Target::Existing));
            file.Write(newContent);
            EXPECT_EQ(directory.Read(L"a.txt"), oldContent) << "replaced before the commit";
            if (commit) {
                file.Commit();
            }
        }
        EXPECT_EQ(directory.Read(L"a.txt"), commit ? newContent : oldContent);
        EXPECT_THAT(directory.Names(), ElementsAre(L"a.txt"));
    }
}

TEST(ReplacementFile, CreatesAMissingFileOnlyWhenAskedTo)
{
    TestDirectory directory;
    ReplacementFile existing;
    EXPECT_FALSE(existing.Open(directory.Path(L"new.txt"), Target::Existing));
    EXPECT_TRUE(directory.Names().empty());

    ReplacementFile created;
    ASSERT_TRUE(created.Open(directory.Path(L"new.txt"), Target::ExistingOrNew));
    created.Write(newContent);
    created.Commit();
    EXPECT_EQ(directory.Read(L"new.txt"), newContent);
}

TEST(ReplacementFile, RefusesFilesThatMayNotBeRewritten)
{
    TestDirectory directory;
    directory.Write(L"read-only.txt", oldContent);
    directory.MakeReadOnly(L"read-only.txt");
    std::filesystem::create_directory(FileSystemPath(directory.Path(L"folder")));
    directory.Write(L"a.txt", oldContent);

    for (const std::wstring name : {L"read-only.txt", L"folder", L"no-folder/a.txt"}) {
        ReplacementFile file;
        EXPECT_FALSE(file.Open(directory.Path(name), Target::ExistingOrNew)) << name;
    }
    // A path with a NUL names no file, and the file named by the part before it stays as it was.
    ReplacementFile shortened;
    EXPECT_FALSE(shortened.Open(directory.Path(std::wstring(L"a.txt\0x", 7)), Target::ExistingOrNew));
    EXPECT_EQ(directory.Read(L"read-only.txt"), oldContent);
    EXPECT_EQ(directory.Read(L"a.txt"), oldContent);
    EXPECT_THAT(directory.Names(), ElementsAre(L"a.txt", L"folder", L"read-only.txt"));
}

TEST(ReplacementFile, FailsToCommitWhenTheFileWentAwayMeanwhile)
{
    TestDirectory directory;
    directory.Write(L"a.txt", oldContent);
    ReplacementFile file;
    ASSERT_TRUE(file.Open(directory.Path(L"a.txt"), Target::Existing));
    file.Write(newContent);
    std::filesystem::remove(FileSystemPath(directory.Path(L"a.txt")));
    try {
        file.Commit();
        FAIL() << "a file that was removed came back";
    } catch (const FileException& failure) {
        EXPECT_EQ(failure.Path(), directory.Path(L"a.txt"));
        EXPECT_FALSE(failure.Description().empty());
    }
}

TEST(ReplacementFile, KeepsTheFilesPermissions)
{
    TestDirectory directory;
    directory.Write(L"a.txt", oldContent);
    const std::filesystem::path path = FileSystemPath(directory.Path(L"a.txt"));
    std::filesystem::permissions(path, std::filesystem::perms::owner_read | std::filesystem::perms::owner_write |
                                           std::filesystem::perms::group_read);
    const std::filesystem::perms before = std::filesystem::status(path).permissions();

    ReplacementFile file;
    ASSERT_TRUE(file.Open(directory.Path(L"a.txt"), Target::Existing));
    file.Write(newContent);
    file.Commit();
    EXPECT_EQ(std::filesystem::status(path).permissions(), before);
}

} // namespace
} // namespace fennick::test
