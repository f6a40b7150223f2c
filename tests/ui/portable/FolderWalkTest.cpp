#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "ui/portable/DroppedItems.h"
#include "ui/portable/FolderWalk.h"

namespace fennick {
namespace {

// A file tree held in memory, listing entries in the order they were added. A folder added as a
// link shares the identity, and so the entries, of the folder it leads to.
class MemoryFileTree : public FileTree {
public:
    void AddFolder(const std::wstring& path, std::vector<FolderEntry> entries)
    {
        folders_[path] = {FolderIdentity{1, nextIndex_++}, std::move(entries)};
    }
    void AddLink(const std::wstring& path, const std::wstring& target) { folders_[path] = folders_.at(target); }
    void AddUnlistable(const std::wstring& path) { unlistable_[path] = FolderIdentity{1, nextIndex_++}; }

    wchar_t Separator() const override { return L'\\'; }

    std::optional<bool> IsFolder(const std::wstring& path) const override
    {
        if (folders_.contains(path) || unlistable_.contains(path))
            return true;
        if (path.starts_with(L"missing"))
            return std::nullopt;
        return false;
    }

    std::optional<FolderIdentity> Identify(const std::wstring& folder) const override
    {
        if (const auto found = folders_.find(folder); found != folders_.end())
            return found->second.identity;
        if (const auto found = unlistable_.find(folder); found != unlistable_.end())
            return found->second;
        return std::nullopt;
    }

    bool List(const std::wstring& folder, std::vector<FolderEntry>& entries) const override
    {
        const auto found = folders_.find(folder);
        if (found == folders_.end())
            return false;
        entries = found->second.entries;
        return true;
    }

private:
    struct Folder {
        FolderIdentity identity;
        std::vector<FolderEntry> entries;
    };
    std::map<std::wstring, Folder> folders_;
    std::map<std::wstring, FolderIdentity> unlistable_;
    std::uint64_t nextIndex_ = 1;
};

FolderEntry File(const wchar_t* name)
{
    return {name, false};
}

FolderEntry Folder(const wchar_t* name)
{
    return {name, true};
}

CollectedPaths Walk(const std::wstring& folder, const FileTree& tree)
{
    CollectedPaths paths;
    CollectFolder(folder, paths, tree);
    return paths;
}

TEST(FolderWalkTest, OwnFilesComeFirstThenEachSubFolderTreeInTurn)
{
    MemoryFileTree tree;
    tree.AddFolder(L"C:\\top", {Folder(L"."), Folder(L".."), Folder(L"one"), File(L"z.txt"), Folder(L"two"),
                                File(L"a.txt")});
    tree.AddFolder(L"C:\\top\\one", {Folder(L"."), Folder(L".."), File(L"b.txt"), Folder(L"deep")});
    tree.AddFolder(L"C:\\top\\one\\deep", {File(L"c.txt")});
    tree.AddFolder(L"C:\\top\\two", {File(L"d"), File(L"e.c")});

    EXPECT_EQ(Walk(L"C:\\top", tree),
              (CollectedPaths{L"C:\\top\\z.txt", L"C:\\top\\a.txt", L"C:\\top\\one\\b.txt",
                              L"C:\\top\\one\\deep\\c.txt", L"C:\\top\\two\\d", L"C:\\top\\two\\e.c"}));
}

TEST(FolderWalkTest, EmptyAndUnreadableFoldersAddNothing)
{
    MemoryFileTree tree;
    tree.AddFolder(L"C:\\top", {Folder(L"."), Folder(L".."), Folder(L"empty"), Folder(L"locked"), Folder(L"gone"),
                                Folder(L"last")});
    tree.AddFolder(L"C:\\top\\empty", {Folder(L"."), Folder(L".."), Folder(L"inner")});
    tree.AddFolder(L"C:\\top\\empty\\inner", {Folder(L"."), Folder(L"..")});
    tree.AddUnlistable(L"C:\\top\\locked");
    tree.AddFolder(L"C:\\top\\last", {File(L"kept.txt")});

    EXPECT_EQ(Walk(L"C:\\top", tree), (CollectedPaths{L"C:\\top\\last\\kept.txt"}));
    EXPECT_TRUE(Walk(L"C:\\top\\empty", tree).empty());
    EXPECT_TRUE(Walk(L"C:\\nowhere", tree).empty());
}

TEST(FolderWalkTest, AppendsAfterWhatIsAlreadyCollected)
{
    MemoryFileTree tree;
    tree.AddFolder(L"C:\\top", {File(L"a.txt")});
    CollectedPaths paths{L"C:\\earlier.txt"};
    CollectFolder(L"C:\\top", paths, tree);
    CollectFolder(L"C:\\top", paths, tree);
    EXPECT_EQ(paths, (CollectedPaths{L"C:\\earlier.txt", L"C:\\top\\a.txt", L"C:\\top\\a.txt"}));
}

TEST(FolderWalkTest, LinkToItselfIsNotWalkedAgain)
{
    MemoryFileTree tree;
    tree.AddFolder(L"C:\\top", {File(L"a.txt"), Folder(L"self")});
    tree.AddLink(L"C:\\top\\self", L"C:\\top");
    EXPECT_EQ(Walk(L"C:\\top", tree), (CollectedPaths{L"C:\\top\\a.txt"}));
}

TEST(FolderWalkTest, FolderReachedTwiceIsWalkedWhereFirstReached)
{
    MemoryFileTree tree;
    tree.AddFolder(L"C:\\top", {Folder(L"alias"), Folder(L"real")});
    tree.AddFolder(L"C:\\top\\real", {File(L"r.txt"), Folder(L"up")});
    tree.AddLink(L"C:\\top\\alias", L"C:\\top\\real");
    tree.AddLink(L"C:\\top\\alias\\up", L"C:\\top");
    tree.AddLink(L"C:\\top\\real\\up", L"C:\\top");
    EXPECT_EQ(Walk(L"C:\\top", tree), (CollectedPaths{L"C:\\top\\alias\\r.txt"}));
}

TEST(FolderWalkTest, DriveRootGetsNoSecondSeparator)
{
    MemoryFileTree tree;
    tree.AddFolder(L"D:\\", {File(L"a.txt"), Folder(L"sub")});
    tree.AddFolder(L"D:\\sub", {File(L"b.txt")});
    EXPECT_EQ(Walk(L"D:\\", tree), (CollectedPaths{L"D:\\a.txt", L"D:\\sub\\b.txt"}));
}

// "C:" followed by `depth` nested folders "n", the deepest holding bottom.txt. Notes where the
// stack stands each time a folder is listed.
class ChainFileTree : public FileTree {
public:
    explicit ChainFileTree(std::size_t depth) : depth_(depth) {}

    wchar_t Separator() const override { return L'\\'; }
    std::optional<bool> IsFolder(const std::wstring&) const override { return true; }
    std::optional<FolderIdentity> Identify(const std::wstring& folder) const override
    {
        return FolderIdentity{1, folder.size()};
    }
    bool List(const std::wstring& folder, std::vector<FolderEntry>& entries) const override
    {
        const char marker = 0;
        const auto position = reinterpret_cast<std::uintptr_t>(&marker);
        lowestStack = std::min(lowestStack, position);
        highestStack = std::max(highestStack, position);
        entries = {(folder.size() - 2) / 2 < depth_ ? Folder(L"n") : File(L"bottom.txt")};
        return true;
    }

    mutable std::uintptr_t lowestStack = UINTPTR_MAX;
    mutable std::uintptr_t highestStack = 0;

private:
    std::size_t depth_;
};

TEST(FolderWalkTest, StackUseDoesNotGrowWithDepth)
{
    // Windows paths reach some 16,000 levels; a walk that recursed would run out of stack there.
    constexpr std::size_t depth = 2000;
    const ChainFileTree tree(depth);
    std::wstring bottom = L"C:";
    for (std::size_t level = 0; level < depth; ++level)
        bottom += L"\\n";

    EXPECT_EQ(Walk(L"C:", tree), CollectedPaths{bottom + L"\\bottom.txt"});
    EXPECT_LT(tree.highestStack - tree.lowestStack, 1024u);
}

TEST(DroppedItemsTest, SortsFilesAndFoldersKeepingDropOrder)
{
    MemoryFileTree tree;
    tree.AddFolder(L"C:\\f1", {});
    tree.AddFolder(L"C:\\f2", {});
    const DroppedItems items =
        SortDroppedItems({L"C:\\f2", L"C:\\b.txt", L"missing.txt", L"C:\\f1", L"C:\\a.txt", L"C:\\b.txt"}, tree);
    EXPECT_EQ(items.files, (std::vector<std::wstring>{L"C:\\b.txt", L"C:\\a.txt", L"C:\\b.txt"}));
    // An item whose attributes cannot be read is asked about like a folder, never collected.
    EXPECT_EQ(items.folders, (std::vector<std::wstring>{L"C:\\f2", L"missing.txt", L"C:\\f1"}));
}

} // namespace
} // namespace fennick
