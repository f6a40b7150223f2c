#include <stdexcept>

#include "tests/convert/support/Iconv.h"
#include "tests/convert/support/PlatformAnsi.h"

namespace fennick::test {

Bytes ToAnsiByPlatform(std::u8string_view utf8)
{
    const std::optional<Bytes> ansi =
        ConvertByIconv("CP949", "UTF-8", {reinterpret_cast<const unsigned char*>(utf8.data()), utf8.size()});
    if (!ansi) {
        throw std::runtime_error("text not convertible to CP949");
    }
    return *ansi;
}

} // namespace fennick::test
