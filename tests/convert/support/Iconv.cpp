#include "tests/convert/support/Iconv.h"

#include <iconv.h>

#include <stdexcept>

#include "tests/convert/support/PlatformAnsi.h"

namespace fennick::test {

std::optional<Bytes> ConvertByIconv(const char* to, const char* from, std::span<const unsigned char> text)
{
    const iconv_t descriptor = iconv_open(to, from);
    Bytes converted(4 * text.size());
    char* in = const_cast<char*>(reinterpret_cast<const char*>(text.data()));
    char* out = reinterpret_cast<char*>(converted.data());
    std::size_t inLeft = text.size();
    std::size_t outLeft = converted.size();
    const std::size_t result = iconv(descriptor, &in, &inLeft, &out, &outLeft);
    iconv_close(descriptor);
    if (result == static_cast<std::size_t>(-1)) {
        return std::nullopt;
    }
    converted.resize(converted.size() - outLeft);
    return converted;
}

Bytes ToAnsiByPlatform(std::u8string_view utf8)
{
    const auto ansi = ConvertByIconv("CP949", "UTF-8", {reinterpret_cast<const unsigned char*>(utf8.data()), utf8.size()});
    return ansi ? *ansi : throw std::runtime_error("text not convertible to CP949");
}

} // namespace fennick::test
