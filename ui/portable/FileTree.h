#pragma once

#include <compare>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace fennick {

struct FolderEntry {
    std::wstring name;
    bool isFolder = false;
};

// Tells folders apart however they are reached, through links and junctions included.
struct FolderIdentity {
    std::uint64_t volume = 0;
    std::uint64_t index = 0;

    friend auto operator<=>(const FolderIdentity&, const FolderIdentity&) = default;
};

// What collecting files reads of the file system. Paths are taken and given in the form the
// user sees; an implementation reaches paths of any length.
class FileTree {
public:
    virtual ~FileTree() = default;

    // Joins a folder and an entry name.
    virtual wchar_t Separator() const = 0;

    // Whether the path names a folder; nothing when its attributes cannot be read.
    virtual std::optional<bool> IsFolder(const std::wstring& path) const = 0;

    // The identity of the folder a path leads to, following links; nothing when unreadable.
    virtual std::optional<FolderIdentity> Identify(const std::wstring& folder) const = 0;

    // Replaces `entries` with the folder's entries in the order the system gives them ("." and
    // ".." included where the system reports them); false when the folder cannot be searched.
    virtual bool List(const std::wstring& folder, std::vector<FolderEntry>& entries) const = 0;
};

// The file system of the machine the program runs on.
const FileTree& NativeFileTree();

} // namespace fennick
