#include "ui/portable/FileTree.h"

#include <windows.h>

#include <memory>
#include <string_view>

namespace fennick {

namespace {

// The \\?\ form, in which the system takes a full path of any length as it is.
std::wstring ExtendedLengthPath(const std::wstring& path)
{
    if (path.starts_with(L"\\\\?\\") || path.starts_with(L"\\\\.\\"))
        return path;
    if (path.starts_with(L"\\\\"))
        return L"\\\\?\\UNC\\" + path.substr(2);
    if (path.size() >= 3 && path[1] == L':' && path[2] == L'\\')
        return L"\\\\?\\" + path;
    return path;
}

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
        const DWORD attributes = GetFileAttributesW(ExtendedLengthPath(path).c_str());
        if (attributes == INVALID_FILE_ATTRIBUTES)
            return std::nullopt;
        return (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    }

    std::optional<FolderIdentity> Identify(const std::wstring& folder) const override
    {
        // Opened without FILE_FLAG_OPEN_REPARSE_POINT, so a link yields the folder it leads to.
        const HANDLE opened = CreateFileW(ExtendedLengthPath(folder).c_str(), FILE_READ_ATTRIBUTES,
                                          FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
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
        std::wstring pattern = ExtendedLengthPath(folder);
        pattern += pattern.ends_with(L'\\') ? L"*" : L"\\*";
        WIN32_FIND_DATAW found;
        const HANDLE first = FindFirstFileExW(pattern.c_str(), FindExInfoBasic, &found, FindExSearchNameMatch,
                                              nullptr, FIND_FIRST_EX_LARGE_FETCH);
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
