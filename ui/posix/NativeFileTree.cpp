#include "ui/portable/FileTree.h"

#include "framework/portable/NativePath.h"

#include <dirent.h>
#include <sys/stat.h>

#include <filesystem>
#include <memory>
#include <system_error>

namespace fennick {

namespace {

std::optional<struct stat> StatusOf(const std::wstring& path)
{
    const std::optional<NativePath> systemPath = ToNativePath(path);
    struct stat status;
    if (!systemPath || stat(systemPath->c_str(), &status) != 0)
        return std::nullopt;
    return status;
}

struct DirectoryCloser {
    void operator()(DIR* directory) const { closedir(directory); }
};

class PosixFileTree final : public FileTree {
public:
    wchar_t Separator() const override { return L'/'; }

    std::optional<bool> IsFolder(const std::wstring& path) const override
    {
        const std::optional<struct stat> status = StatusOf(path);
        if (!status)
            return std::nullopt;
        return S_ISDIR(status->st_mode);
    }

    std::optional<FolderIdentity> Identify(const std::wstring& folder) const override
    {
        const std::optional<struct stat> status = StatusOf(folder);
        if (!status)
            return std::nullopt;
        return FolderIdentity{static_cast<std::uint64_t>(status->st_dev), static_cast<std::uint64_t>(status->st_ino)};
    }

    bool List(const std::wstring& folder, std::vector<FolderEntry>& entries) const override
    {
        const std::optional<NativePath> systemPath = ToNativePath(folder);
        const std::unique_ptr<DIR, DirectoryCloser> directory(systemPath ? opendir(systemPath->c_str()) : nullptr);
        if (!directory)
            return false;
        entries.clear();
        while (const dirent* entry = readdir(directory.get())) {
            // Links and entries of unknown type are looked up, so a link to a folder is a folder.
            bool isFolder = entry->d_type == DT_DIR;
            if (entry->d_type == DT_LNK || entry->d_type == DT_UNKNOWN) {
                struct stat status;
                isFolder = fstatat(dirfd(directory.get()), entry->d_name, &status, 0) == 0 && S_ISDIR(status.st_mode);
            }
            try {
                entries.push_back({std::filesystem::path(entry->d_name).wstring(), isFolder});
            } catch (const std::system_error&) {
                // A name that is not UTF-8 has no wide form; such a file cannot be listed.
            }
        }
        return true;
    }
};

} // namespace

const FileTree& NativeFileTree()
{
    static const PosixFileTree tree;
    return tree;
}

} // namespace fennick
