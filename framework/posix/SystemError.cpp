#include "framework/posix/SystemError.h"

#include <cerrno>
#include <cstring>
#include <cwchar>
#include <utility>

namespace fennick {

namespace {

// The C library's description of `error`, decoded as the C library encoded it.
std::wstring Describe(int error)
{
    char buffer[256];
    const char* text = strerror_r(error, buffer, sizeof buffer);
    std::mbstate_t state{};
    std::wstring description(std::strlen(text), L'\0');
    const std::size_t length = std::mbsrtowcs(description.data(), &text, description.size(), &state);
    description.resize(length == static_cast<std::size_t>(-1) ? 0 : length);
    return description;
}

} // namespace

FileException SystemError(const std::wstring& path, int error)
{
    return FileException(path, Describe(error));
}

FileException FileException::OutOfMemory(std::wstring path)
{
    return SystemError(std::move(path), ENOMEM);
}

} // namespace fennick
