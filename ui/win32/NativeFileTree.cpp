#include "ui/portable/FileTree.h"

#include "framework/portable/NativePath.h"

#include <windows.h>

#include <memory>
#include <string_view>

namespace fennick {

namespace {

struct HandleCloser {
    void operator()(HANDLE handle) const { CloseHandle(handle); }
};
using UniqueHandle = std::unique_ptr<void, HandleCloser>;

struct SearchCloser {
    void operator()(HANDLE search) const { FindClose(search); }
};
using UniqueSearch = std::unique_ptr<void, SearchCloser>;

class Win32FileTree final : public FileTree {
public:
    wchar_t Separator() const override { return L'\\'; }

    std::optional<bool> IsFolder(const std::wstring& path) const override
    {
        const std::optional<NativePath> native = ToNativePath(path);
        const DWORD attributes = native ? GetFileAttributesW(native->c_str()) : INVALID_FILE_ATTRIBUTES;
        if (attributes == INVALID_FILE_ATTRIBUTES)
            return std::nullopt;
        return (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    }

    std::optional<FolderIdentity> Identify(const std::wstring& folder) const override
    {
        const std::optional<NativePath> native = ToNativePath(folder);
        if (!native)
            return std::nullopt;
        // Opened without FILE_FLAG_OPEN_REPARSE_POINT, so a link yields the folder it leads to.
        const HANDLE opened =
            CreateFileW(native->c_str(), FILE_READ_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                        nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
        if (opened == INVALID_HANDLE_VALUE)
            return std::nullopt;
        const UniqueHandle handle(opened);
        BY_HANDLE_FILE_INFORMATION information;
        if (!GetFileInformationByHandle(handle.get(), &information))
            return std::nullopt;
        return FolderIdentity{information.dwVolumeSerialNumber,
                              (std::uint64_t{information.nFileIndexHigh} << 32) | information.nFileIndexLow};
    }

    bool List(const std::wstring& folder, std::vector<FolderEntry>& entries) const override
    {
        const std::optional<NativePath> native = ToNativePath(folder);
        if (!native)
            return false;
        std::wstring pattern = *native;
        pattern += pattern.ends_with(L'\\') ? L"*" : L"\\*";
        WIN32_FIND_DATAW found;
        const HANDLE first = FindFirstFileExW(pattern.c_str(), FindExInfoBasic, &found, FindExSearchNameMatch, nullptr,
                                              FIND_FIRST_EX_LARGE_FETCH);
        if (first == INVALID_HANDLE_VALUE)
            return false;
        const UniqueSearch search(first);
        entries.clear();
        do {
            entries.push_back({found.cFileName, (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0});
        } while (FindNextFileW(search.get(), &found));
        return true;
    }
};

} // namespace

const FileTree& NativeFileTree()
{
    static const Win32FileTree tree;
    return tree;
}

} // namespace fennick
