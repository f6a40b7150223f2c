#pragma once

#include <string>

#include "ui/portable/CollectedPaths.h"
#include "ui/portable/FileTree.h"

namespace fennick {

// Appends to `paths` the full path of every file in the folder and, depth first, in all its
// sub-folders: a folder's own files in the order the system lists them, then the files of each
// sub-folder's tree in turn. Every file counts, whatever its attributes and extension. Links and
// junctions to folders are followed, but no folder is walked twice, so a link back up the tree
// cannot loop. Folders that cannot be read add nothing. Folders are kept pending rather than
// recursed into, so any depth a path can reach is walked.
void CollectFolder(const std::wstring& folder, CollectedPaths& paths, const FileTree& tree = NativeFileTree());

} // namespace fennick
