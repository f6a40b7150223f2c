#include "ui/portable/FolderWalk.h"

#include <set>
#include <vector>

namespace fennick {

namespace {

std::wstring JoinPath(const std::wstring& folder, const std::wstring& name, wchar_t separator)
{
    // A dropped drive root such as C:\ already ends in the separator.
    std::wstring path = folder;
    if (path.empty() || path.back() != separator)
        path += separator;
    path += name;
    return path;
}

bool IsSelfOrParent(const std::wstring& name)
{
    return name == L"." || name == L"..";
}

} // namespace

void CollectFolder(const std::wstring& folder, CollectedPaths& paths, const FileTree& tree)
{
    const wchar_t separator = tree.Separator();
    std::set<FolderIdentity> walked;
    std::vector<std::wstring> pending{folder}; // the next folder to walk is at the back
    std::vector<FolderEntry> entries;
    std::vector<std::wstring> subFolders;
    while (!pending.empty()) {
        const std::wstring current = std::move(pending.back());
        pending.pop_back();
        const std::optional<FolderIdentity> identity = tree.Identify(current);
        if (!identity || !walked.insert(*identity).second || !tree.List(current, entries))
            continue;
        subFolders.clear();
        for (const FolderEntry& entry : entries) {
            if (!entry.isFolder)
                paths.push_back(JoinPath(current, entry.name, separator));
            else if (!IsSelfOrParent(entry.name))
                subFolders.push_back(JoinPath(current, entry.name, separator));
        }
        // Reversed, so that the first sub-folder found is walked next.
        pending.insert(pending.end(), std::make_move_iterator(subFolders.rbegin()),
                       std::make_move_iterator(subFolders.rend()));
    }
}

} // namespace fennick
