#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <system_error>
#include <vector>

#include "ui/portable/FolderWalk.h"

namespace fennick {
namespace {

namespace fs = std::filesystem;

// A fresh folder for one test. What a test makes is removed one entry at a time, deepest first,
// because the library's recursive removal fails on long paths under Wine.
class NativeFolderWalkTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
        const std::string name = "fennick-walk-" + std::to_string(std::random_device{}()) + "-" + test->name();
        root_ = (fs::temp_directory_path() / name).wstring();
        fs::create_directory(Creatable(root_));
    }
    void TearDown() override
    {
        std::error_code ignored;
        for (auto made = made_.rbegin(); made != made_.rend(); ++made)
            fs::remove(Creatable(*made), ignored);
        fs::remove(Creatable(root_), ignored);
    }

    // A path below the test's folder, in the form the walk gives.
    std::wstring Path(const std::wstring& relative) const
    {
        std::wstring path = root_;
        for (const wchar_t unit : relative)
            path += unit == L'/' ? NativeFileTree().Separator() : unit;
        return path;
    }

    void MakeFolder(const std::wstring& relative)
    {
        // One level at a time, so that every folder made is noted for removal.
        std::size_t end = 0;
        do {
            end = relative.find(L'/', end + 1);
            const std::wstring folder = Path(relative.substr(0, end));
            if (fs::create_directory(Creatable(folder)))
                made_.push_back(folder);
        } while (end != std::wstring::npos);
    }
    void MakeFile(const std::wstring& relative)
    {
        std::ofstream(Creatable(Path(relative))) << "text";
        made_.push_back(Path(relative));
    }
    bool MakeFolderLink(const std::wstring& relative, const std::wstring& target)
    {
        std::error_code error;
        fs::create_directory_symlink(Creatable(Path(target)), Creatable(Path(relative)), error);
        if (!error)
            made_.push_back(Path(relative));
        return !error && NativeFileTree().IsFolder(Path(relative)) == true;
    }

    CollectedPaths Walk(const std::wstring& relative = L"") const
    {
        CollectedPaths paths;
        CollectFolder(Path(relative), paths);
        return paths;
    }

    // Paths beyond 260 characters are made through the \\?\ form on Windows.
    static fs::path Creatable(const std::wstring& path)
    {
#ifdef _WIN32
        return fs::path(L"\\\\?\\" + path);
#else
        return fs::path(path);
#endif
    }

private:
    std::wstring root_;
    std::vector<std::wstring> made_;
};

TEST_F(NativeFolderWalkTest, FolderFilesComeBeforeSubFolderFiles)
{
    MakeFolder(L"/sub");
    MakeFile(L"/sub/b.txt");
    MakeFile(L"/a.txt");
    EXPECT_EQ(Walk(), (CollectedPaths{Path(L"/a.txt"), Path(L"/sub/b.txt")}));
}

TEST_F(NativeFolderWalkTest, EachSubFolderTreeStaysTogether)
{
    for (const wchar_t* folder : {L"/one/deep", L"/two"})
        MakeFolder(folder);
    for (const wchar_t* file : {L"/top1", L"/.hidden", L"/one/o.c", L"/one/deep/d.h", L"/two/t.txt", L"/two/u.TXT"})
        MakeFile(file);

    const CollectedPaths paths = Walk();
    ASSERT_EQ(paths.size(), 6u);
    const auto at = [&](const wchar_t* relative) {
        return std::ranges::find(paths, Path(relative)) - paths.begin();
    };
    EXPECT_LT(std::max(at(L"/top1"), at(L"/.hidden")), 2);
    EXPECT_EQ(at(L"/one/deep/d.h"), at(L"/one/o.c") + 1);
    EXPECT_EQ(std::abs(at(L"/two/t.txt") - at(L"/two/u.TXT")), 1);
}

TEST_F(NativeFolderWalkTest, EmptyMissingAndPlainFileFoldersAddNothing)
{
    MakeFolder(L"/empty/inner/innermost");
    MakeFile(L"/plain.txt");
    EXPECT_TRUE(Walk(L"/empty").empty());
    EXPECT_TRUE(Walk(L"/missing").empty());
    EXPECT_TRUE(Walk(L"/plain.txt").empty());
}

TEST_F(NativeFolderWalkTest, LongPathsAreWalkedAndCollectedInFull)
{
    const std::wstring name(120, L'L');
    const std::wstring deep = L"/" + name + L"/" + name + L"/" + name;
    MakeFolder(deep);
    MakeFile(deep + L"/note.txt");

    const CollectedPaths paths = Walk();
    ASSERT_EQ(paths.size(), 1u);
    EXPECT_GT(paths[0].size(), 370u);
    EXPECT_EQ(paths[0], Path(deep + L"/note.txt"));
    EXPECT_EQ(NativeFileTree().IsFolder(Path(deep)), true);
    EXPECT_EQ(NativeFileTree().IsFolder(paths[0]), false);
}

TEST_F(NativeFolderWalkTest, DroppedItemKinds)
{
    MakeFolder(L"/folder");
    MakeFile(L"/file.txt");
    EXPECT_EQ(NativeFileTree().IsFolder(Path(L"/folder")), true);
    EXPECT_EQ(NativeFileTree().IsFolder(Path(L"/file.txt")), false);
    EXPECT_EQ(NativeFileTree().IsFolder(Path(L"/missing")), std::nullopt);
}

// A folder holding file.txt and a link named self to the folder itself. Under Wine a link cannot
// be made from the Windows side, so the test run prepares one on the host and names it in
// FENNICK_SELF_LINKED_FOLDER; elsewhere the test makes its own.
TEST_F(NativeFolderWalkTest, LinkToItselfDoesNotLoop)
{
    std::wstring folder = Path(L"/linked");
    if (const char* prepared = std::getenv("FENNICK_SELF_LINKED_FOLDER")) {
        folder = fs::path(prepared).wstring();
    } else {
        MakeFolder(L"/linked");
        MakeFile(L"/linked/file.txt");
        if (!MakeFolderLink(L"/linked/self", L"/linked"))
            GTEST_SKIP() << "folder links cannot be made here";
    }
    const wchar_t separator = NativeFileTree().Separator();

    CollectedPaths paths;
    CollectFolder(folder, paths);

    EXPECT_EQ(NativeFileTree().IsFolder(folder + separator + L"self"), true);
    EXPECT_EQ(paths, CollectedPaths{folder + separator + L"file.txt"});
}

} // namespace
} // namespace fennick
