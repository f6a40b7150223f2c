#include <windows.h>

#include <string>

#include "tests/convert/support/PlatformAnsi.h"

namespace fennick::test {

Bytes ToAnsiByPlatform(std::u8string_view utf8)
{
    const char* bytes = reinterpret_cast<const char*>(utf8.data());
    const int length = static_cast<int>(utf8.size());
    std::wstring wide(utf8.size(), L'\0');
    wide.resize(MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, bytes, length, wide.data(), length));
    Bytes ansi(2 * wide.size());
    ansi.resize(WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()),
                                    reinterpret_cast<char*>(ansi.data()), static_cast<int>(ansi.size()),
                                    nullptr, nullptr));
    return ansi;
}

} // namespace fennick::test
