#pragma once

#include <string>
#include <vector>

#include "ui/portable/FileTree.h"

namespace fennick {

// The items of one drop, each kind in drop order.
struct DroppedItems {
    std::vector<std::wstring> files; // collected at once
    std::vector<std::wstring> folders; // walked only if the user agrees
};

// Sorts dropped paths into files and folders. A path whose attributes cannot be read counts as
// a folder: it is never collected as a file, and walking it finds nothing.
DroppedItems SortDroppedItems(std::vector<std::wstring> items, const FileTree& tree = NativeFileTree());

} // namespace fennick
