#include "framework/win32/SystemError.h"

#include <windows.h>

#include <utility>

namespace fennick {

namespace {

// The system's description of `error` in the user's language, without the line break that
// ends it.
std::wstring Describe(DWORD error)
{
    wchar_t* text = nullptr;
    const DWORD length =
        FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                       nullptr, error, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    std::wstring description = length != 0 ? std::wstring(text, length) : L"Windows error " + std::to_wstring(error);
    LocalFree(text);
    description.erase(description.find_last_not_of(L" \r\n") + 1);
    return description;
}

} // namespace

FileException SystemError(const std::wstring& path, unsigned long error)
{
    return FileException(path, Describe(error));
}

FileException FileException::OutOfMemory(std::wstring path)
{
    return SystemError(std::move(path), ERROR_NOT_ENOUGH_MEMORY);
}

} // namespace fennick
