#include "ui/portable/DroppedItems.h"

namespace fennick {

DroppedItems SortDroppedItems(std::vector<std::wstring> items, const FileTree& tree)
{
    DroppedItems sorted;
    for (std::wstring& item : items) {
        if (tree.IsFolder(item).value_or(true))
            sorted.folders.push_back(std::move(item));
        else
            sorted.files.push_back(std::move(item));
    }
    return sorted;
}

} // namespace fennick
