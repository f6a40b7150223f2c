#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "ui/portable/FolderWalk.h"

namespace fennick {
namespace {

namespace fs = std::filesystem;

// A fresh temporary folder. What is made in it is removed one entry at a time, deepest first:
// the library's recursive removal fails on long paths under Wine.
class ScratchFolder {
public:
    ScratchFolder()
        : root_((fs::temp_directory_path() / ("fennick-walk-" + std::to_string(std::random_device{}()))).wstring())
    {
        MakeFolders(L"");
    }
    ~ScratchFolder()
    {
        std::error_code ignored;
        for (auto made = made_.rbegin(); made != made_.rend(); ++made)
            fs::remove(Native(*made), ignored);
    }

    // The path below the folder, in the form the walk gives, for one written with slashes.
    std::wstring Path(const std::wstring& relative) const
    {
        std::wstring path = root_ + relative;
        std::ranges::replace(path, L'/', NativeFileTree().Separator());
        return path;
    }
    void MakeFolders(const std::wstring& relative)
    {
        for (std::size_t end = 0; end != std::wstring::npos;) {
            end = relative.find(L'/', end + 1);
            if (fs::create_directory(Native(Path(relative.substr(0, end)))))
                made_.push_back(Path(relative.substr(0, end)));
        }
    }
    void MakeFile(const std::wstring& relative)
    {
        std::ofstream(Native(Path(relative))) << "text";
        made_.push_back(Path(relative));
    }
    bool MakeFolderLink(const std::wstring& relative, const std::wstring& target)
    {
        std::error_code error;
        fs::create_directory_symlink(Native(Path(target)), Native(Path(relative)), error);
        made_.push_back(Path(relative));
        return !error && NativeFileTree().IsFolder(Path(relative)) == true;
    }

private:
    // Long paths are made through the \\?\ form on Windows.
    static fs::path Native(const std::wstring& path)
    {
#ifdef _WIN32
        return L"\\\\?\\" + path;
#else
        return path;
#endif
    }

    std::wstring root_;
    std::vector<std::wstring> made_;
};

CollectedPaths Walk(const std::wstring& folder)
{
    CollectedPaths paths;
    CollectFolder(folder, paths);
    return paths;
}

TEST(NativeFolderWalkTest, CollectsEveryFileWithItsWholePath)
{
    ScratchFolder scratch;
    const std::wstring longName(120, L'L'); // the deepest path is some 450 characters long
    const std::wstring deep = L"/" + longName + L"/" + longName + L"/" + longName;
    for (const std::wstring& folder : {std::wstring(L"/sub"), std::wstring(L"/empty/inner"), deep})
        scratch.MakeFolders(folder);
    for (const std::wstring& file : {std::wstring(L"/sub/b.txt"), std::wstring(L"/.a"), deep + L"/note.txt"})
        scratch.MakeFile(file);

    CollectedPaths paths = Walk(scratch.Path(L""));
    ASSERT_EQ(paths.size(), 3u);
    EXPECT_EQ(paths[0], scratch.Path(L"/.a"));
    std::ranges::sort(paths);
    EXPECT_EQ(paths,
              (CollectedPaths{scratch.Path(L"/.a"), scratch.Path(deep + L"/note.txt"), scratch.Path(L"/sub/b.txt")}));
    EXPECT_EQ(NativeFileTree().IsFolder(scratch.Path(deep)), true);
    EXPECT_EQ(NativeFileTree().IsFolder(scratch.Path(deep + L"/note.txt")), false);
    EXPECT_EQ(NativeFileTree().IsFolder(scratch.Path(L"/missing")), std::nullopt);
    for (const wchar_t* nothingToWalk : {L"/empty", L"/missing", L"/sub/b.txt"})
        EXPECT_TRUE(Walk(scratch.Path(nothingToWalk)).empty());
}

// A folder holding file.txt and a link named self to the folder itself. Under Wine a link cannot
// be made from the Windows side, so the test run prepares one on the host and names it in
// FENNICK_SELF_LINKED_FOLDER.
TEST(NativeFolderWalkTest, LinkToItselfDoesNotLoop)
{
    ScratchFolder scratch;
    std::wstring folder = scratch.Path(L"/linked");
    if (const char* prepared = std::getenv("FENNICK_SELF_LINKED_FOLDER")) {
        folder = fs::path(prepared).wstring();
    } else {
        scratch.MakeFolders(L"/linked");
        scratch.MakeFile(L"/linked/file.txt");
        if (!scratch.MakeFolderLink(L"/linked/self", L"/linked"))
            GTEST_SKIP() << "folder links cannot be made here";
    }
    const wchar_t separator = NativeFileTree().Separator();
    EXPECT_EQ(NativeFileTree().IsFolder(folder + separator + L"self"), true);
    EXPECT_EQ(Walk(folder), CollectedPaths{folder + separator + L"file.txt"});
}

} // namespace
} // namespace fennick
