#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "tests/framework/support/TestDirectory.h"
#include "ui/portable/FolderWalk.h"

namespace fennick {
namespace {

using test::TestDirectory;

CollectedPaths Walk(const std::wstring& folder)
{
    CollectedPaths paths;
    CollectFolder(folder, paths);
    return paths;
}

TEST(NativeFolderWalkTest, CollectsEveryFileWithItsWholePath)
{
    TestDirectory scratch;
    const std::wstring longName(120, L'L'); // the deepest path is some 450 characters long
    const std::wstring deep = longName + L"/" + longName + L"/" + longName;
    scratch.MakeFolders(L"empty/inner");
    for (const std::wstring& file : {std::wstring(L"sub/b.txt"), std::wstring(L".a"), deep + L"/note.txt"})
        scratch.Write(file, {'t'});

    CollectedPaths paths = Walk(scratch.Path(L""));
    ASSERT_EQ(paths.size(), 3u);
    EXPECT_EQ(paths[0], scratch.Path(L".a")) << "the folder's own files come first";
    std::ranges::sort(paths);
    EXPECT_EQ(paths,
              (CollectedPaths{scratch.Path(L".a"), scratch.Path(deep + L"/note.txt"), scratch.Path(L"sub/b.txt")}));
    EXPECT_EQ(NativeFileTree().IsFolder(scratch.Path(deep)), true);
    EXPECT_EQ(NativeFileTree().IsFolder(scratch.Path(deep + L"/note.txt")), false);
    EXPECT_EQ(NativeFileTree().IsFolder(scratch.Path(L"missing")), std::nullopt);
    for (const wchar_t* nothingToWalk : {L"empty", L"missing", L"sub/b.txt"})
        EXPECT_TRUE(Walk(scratch.Path(nothingToWalk)).empty());
}

// A folder holding file.txt and a link named self to the folder itself. Under Wine a link cannot
// be made from the Windows side, so the test run prepares one on the host and names it in
// FENNICK_SELF_LINKED_FOLDER.
TEST(NativeFolderWalkTest, LinkToItselfDoesNotLoop)
{
    TestDirectory scratch;
    std::wstring folder = scratch.Path(L"linked");
    if (const char* prepared = std::getenv("FENNICK_SELF_LINKED_FOLDER")) {
        folder = std::filesystem::path(prepared).wstring();
    } else {
        scratch.Write(L"linked/file.txt", {'t'});
        std::error_code error;
        std::filesystem::create_directory_symlink(test::FileSystemPath(folder),
                                                  test::FileSystemPath(scratch.Path(L"linked/self")), error);
        if (error)
            GTEST_SKIP() << "folder links cannot be made here";
    }
    const wchar_t separator = NativeFileTree().Separator();
    EXPECT_EQ(NativeFileTree().IsFolder(folder + separator + L"self"), true);
    EXPECT_EQ(Walk(folder), CollectedPaths{folder + separator + L"file.txt"});
}

} // namespace
} // namespace fennick
