#include "tests/convert/support/Iconv.h"

#include <iconv.h>

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

} // namespace fennick::test
