#include "framework/portable/ReplacementFile.h"

#include <windows.h>

#include "framework/portable/TemporaryName.h"
#include "framework/win32/SystemError.h"

namespace fennick {

namespace {

// The attributes that a replacement takes over from the file it replaces.
constexpr DWORD kKeptAttributes =
    FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;

// Whether the existing file at `path` may be rewritten: not a folder, not read-only (checked
// by attribute, which also holds for an administrator), and open-able for writing now.
bool MayRewrite(const NativePath& path, DWORD attributes)
{
    if (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY)) {
        return false;
    }
    const HANDLE handle =
        CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                    OPEN_EXISTING, 0, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        return false;
    }
    CloseHandle(handle);
    return true;
}

} // namespace

ReplacementFile::~ReplacementFile()
{
    temporary_.Release();
    if (!committed_ && !temporaryPath_.empty()) {
        DeleteFileW(temporaryPath_.c_str());
    }
}

bool ReplacementFile::Open(const std::wstring& path, Target target)
{
    const std::optional<NativePath> native = ToNativePath(path);
    if (!native) {
        return false;
    }
    const DWORD attributes = GetFileAttributesW(native->c_str());
    targetExisted_ = attributes != INVALID_FILE_ATTRIBUTES;
    if (targetExisted_) {
        if (!MayRewrite(*native, attributes)) {
            return false;
        }
    } else if (GetLastError() != ERROR_FILE_NOT_FOUND || target == Target::Existing) {
        return false;
    }

    // The attributes go on the temporary file at once: the replacing call would not keep
    // them everywhere.
    const DWORD created =
        targetExisted_ && (attributes & kKeptAttributes) ? attributes & kKeptAttributes : FILE_ATTRIBUTE_NORMAL;
    HANDLE handle = INVALID_HANDLE_VALUE;
    NativePath temporaryPath;
    do {
        temporaryPath = TemporaryPathBeside(*native);
        handle = CreateFileW(temporaryPath.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, created, nullptr);
    } while (handle == INVALID_HANDLE_VALUE && GetLastError() == ERROR_FILE_EXISTS);
    if (handle == INVALID_HANDLE_VALUE) {
        // Its folder went away: nothing there can be written.
        const DWORD error = GetLastError();
        if (error == ERROR_PATH_NOT_FOUND) {
            return false;
        }
        throw SystemError(path, error);
    }
    temporary_.handle_ = reinterpret_cast<std::intptr_t>(handle);
    temporary_.path_ = path;
    temporaryPath_ = std::move(temporaryPath);
    targetPath_ = *native;
    return true;
}

void ReplacementFile::Commit()
{
    if (FlushingBeforeReplacing() && !FlushFileBuffers(reinterpret_cast<HANDLE>(temporary_.handle_))) {
        throw SystemError(temporary_.path_, GetLastError());
    }
    temporary_.Close();
    const BOOL replaced = targetExisted_
                              ? ReplaceFileW(targetPath_.c_str(), temporaryPath_.c_str(), nullptr,
                                             REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr)
                              : MoveFileExW(temporaryPath_.c_str(), targetPath_.c_str(), MOVEFILE_REPLACE_EXISTING);
    if (!replaced) {
        throw SystemError(temporary_.path_, GetLastError());
    }
    committed_ = true;
}

} // namespace fennick
