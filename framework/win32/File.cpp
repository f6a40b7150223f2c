#include "framework/portable/File.h"

#include <windows.h>

#include <algorithm>
#include <utility>

#include "framework/portable/NativePath.h"
#include "framework/win32/SystemError.h"

namespace fennick {

namespace {

HANDLE AsHandle(std::intptr_t handle)
{
    return reinterpret_cast<HANDLE>(handle);
}

} // namespace

File::~File()
{
    Release();
}

void File::Release() noexcept
{
    if (IsOpen()) {
        CloseHandle(AsHandle(std::exchange(handle_, kClosed)));
    }
}

bool File::OpenForReading(const std::wstring& path)
{
    const std::optional<NativePath> native = ToNativePath(path);
    if (!native) {
        return false;
    }
    const HANDLE handle = CreateFileW(native->c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                      OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        return false;
    }
    // Only files on disk are read: a device name such as CON would wait for input.
    if (GetFileType(handle) != FILE_TYPE_DISK) {
        CloseHandle(handle);
        return false;
    }
    Release();
    handle_ = reinterpret_cast<std::intptr_t>(handle);
    path_ = path;
    return true;
}

std::uint64_t File::GetLength() const
{
    LARGE_INTEGER length{};
    if (!GetFileSizeEx(AsHandle(handle_), &length)) {
        throw SystemError(path_, GetLastError());
    }
    return static_cast<std::uint64_t>(length.QuadPart);
}

void File::Read(std::span<unsigned char> buffer)
{
    while (!buffer.empty()) {
        DWORD count = 0;
        const auto wanted = static_cast<DWORD>(std::min(buffer.size(), kLargestTransfer));
        if (!ReadFile(AsHandle(handle_), buffer.data(), wanted, &count, nullptr)) {
            throw SystemError(path_, GetLastError());
        }
        if (count == 0) {
            // The file ended sooner than its length said: it was cut short meanwhile.
            throw SystemError(path_, ERROR_HANDLE_EOF);
        }
        buffer = buffer.subspan(count);
    }
}

void File::Write(std::span<const unsigned char> bytes)
{
    while (!bytes.empty()) {
        DWORD count = 0;
        const auto wanted = static_cast<DWORD>(std::min(bytes.size(), kLargestTransfer));
        if (!WriteFile(AsHandle(handle_), bytes.data(), wanted, &count, nullptr)) {
            throw SystemError(path_, GetLastError());
        }
        bytes = bytes.subspan(count);
    }
}

void File::Close()
{
    if (IsOpen() && !CloseHandle(AsHandle(std::exchange(handle_, kClosed)))) {
        throw SystemError(path_, GetLastError());
    }
}

} // namespace fennick
