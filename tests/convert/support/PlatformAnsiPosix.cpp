#include <iconv.h>

#include <stdexcept>

#include "tests/convert/support/PlatformAnsi.h"

namespace fennick::test {

Bytes ToAnsiByPlatform(std::u8string_view utf8)
{
    const iconv_t descriptor = iconv_open("CP949", "UTF-8");
    Bytes ansi(utf8.size());
    char* in = const_cast<char*>(reinterpret_cast<const char*>(utf8.data()));
    char* out = reinterpret_cast<char*>(ansi.data());
    std::size_t inLeft = utf8.size();
    std::size_t outLeft = ansi.size();
    const std::size_t result = iconv(descriptor, &in, &inLeft, &out, &outLeft);
    iconv_close(descriptor);
    if (result == static_cast<std::size_t>(-1)) {
        throw std::runtime_error("text not convertible to CP949");
    }
    ansi.resize(ansi.size() - outLeft);
    return ansi;
}

} // namespace fennick::test
