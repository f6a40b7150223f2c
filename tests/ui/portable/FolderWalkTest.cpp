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

// Folders in memory listing their entries in the order given; names ending in a backslash are
// folders. A link shares the identity and entries of its target; a folder without entries
// cannot be listed. Notes the range of stack positions its listings ran at.
class MemoryFileTree : public FileTree {
public:
    void Add(const std::wstring& path, std::vector<std::wstring> names)
    {
        folders_[path] = {{1, folders_.size()}, std::move(names)};
    }
    void AddLink(const std::wstring& path, const std::wstring& target) { folders_[path] = folders_.at(target); }

    wchar_t Separator() const override { return L'\\'; }
    std::optional<bool> IsFolder(const std::wstring& path) const override
    {
        return path.starts_with(L"?") ? std::nullopt : std::optional(folders_.contains(path));
    }
    std::optional<FolderIdentity> Identify(const std::wstring& folder) const override
    {
        const auto found = folders_.find(folder);
        return found == folders_.end() ? std::nullopt : std::optional(found->second.identity);
    }
    bool List(const std::wstring& folder, std::vector<FolderEntry>& entries) const override
    {
        const char marker = 0;
        stackRange.first = std::min(stackRange.first, reinterpret_cast<std::uintptr_t>(&marker));
        stackRange.second = std::max(stackRange.second, reinterpret_cast<std::uintptr_t>(&marker));
        entries.clear();
        for (const std::wstring& name : folders_.at(folder).names)
            entries.push_back({name.substr(0, name.find_last_not_of(L'\\') + 1), name.ends_with(L'\\')});
        return !entries.empty();
    }

    mutable std::pair<std::uintptr_t, std::uintptr_t> stackRange{UINTPTR_MAX, 0};

private:
    struct Folder {
        FolderIdentity identity;
        std::vector<std::wstring> names;
    };
    std::map<std::wstring, Folder> folders_;
};

CollectedPaths Walk(const std::wstring& folder, const FileTree& tree)
{
    CollectedPaths paths{L"earlier"};
    CollectFolder(folder, paths, tree);
    return paths;
}

// Links and junctions are followed, but a folder reached again is not walked again.
TEST(FolderWalkTest, OwnFilesFirstThenEachSubFolderTreeInTurnEachFolderOnce)
{
    MemoryFileTree tree;
    tree.Add(L"C:\\t",
             {L".\\", L"..\\", L"one\\", L"z.txt", L"empty\\", L"locked\\", L"alias\\", L"two\\", L"self\\", L"a"});
    tree.Add(L"C:\\t\\one", {L"b.c", L"deep\\"});
    tree.Add(L"C:\\t\\one\\deep", {L"c.h"});
    tree.Add(L"C:\\t\\empty", {L".\\", L"..\\", L"inner\\"});
    tree.Add(L"C:\\t\\empty\\inner", {L".\\", L"..\\"});
    tree.Add(L"C:\\t\\locked", {});
    tree.Add(L"C:\\t\\two", {L"d"});
    tree.AddLink(L"C:\\t\\alias", L"C:\\t\\one");
    tree.AddLink(L"C:\\t\\self", L"C:\\t");
    tree.Add(L"D:\\", {L"r.txt"});
    tree.Add(L"D:\\", {L"r.txt"});
    EXPECT_EQ(Walk(L"C:\\t", tree), (CollectedPaths{L"earlier", L"C:\\t\\z.txt", L"C:\\t\\a", L"C:\\t\\one\\b.c",
                                                    L"C:\\t\\one\\deep\\c.h", L"C:\\t\\two\\d"}));
    EXPECT_EQ(Walk(L"C:\\missing", tree), CollectedPaths{L"earlier"});
    EXPECT_EQ(Walk(L"D:\\", tree), (CollectedPaths{L"earlier", L"D:\\r.txt"})) << "a drive root ends in its separator";
    EXPECT_EQ(Walk(L"D:\\", tree), (CollectedPaths{L"earlier", L"D:\\r.txt"})) << "a drive root ends in its separator";
}

TEST(FolderWalkTest, StackUseDoesNotGrowWithDepth)
{
    // Windows paths reach some 16,000 levels; a walk that recursed would run out of stack there.
    MemoryFileTree tree;
    std::wstring path = L"C:";
    for (int level = 0; level < 2000; ++level, path += L"\\n")
        tree.Add(path, {L"n\\"});
    tree.Add(path, {L"bottom.txt"});
    EXPECT_EQ(Walk(L"C:", tree), (CollectedPaths{L"earlier", path + L"\\bottom.txt"}));
    EXPECT_LT(tree.stackRange.second - tree.stackRange.first, 1024u);
}

TEST(DroppedItemsTest, SortsFilesAndFoldersKeepingDropOrder)
{
    MemoryFileTree tree;
    tree.Add(L"C:\\f1", {});
    tree.Add(L"C:\\f2", {});
    const DroppedItems items =
        SortDroppedItems({L"C:\\f2", L"C:\\b", L"?unreadable", L"C:\\f1", L"C:\\a", L"C:\\b"}, tree);
    EXPECT_EQ(items.files, (std::vector<std::wstring>{L"C:\\b", L"C:\\a", L"C:\\b"}));
    // An item whose attributes cannot be read is asked about like a folder, never collected.
    EXPECT_EQ(items.folders, (std::vector<std::wstring>{L"C:\\f2", L"?unreadable", L"C:\\f1"}));
}

} // namespace
} // namespace fennick
