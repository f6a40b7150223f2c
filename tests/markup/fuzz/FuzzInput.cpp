#include "tests/markup/fuzz/FuzzInput.h"

namespace fennick::fuzz {

std::wstring ToText(const std::uint8_t* data, std::size_t size)
{
    return std::wstring(data, data + size);
}

int TakeInt16(const std::uint8_t*& data, std::size_t& size)
{
    if (size < 2) {
        return 0;
    }
    const auto value = static_cast<std::int16_t>(data[0] | data[1] << 8);
    data += 2;
    size -= 2;
    return value;
}

bool TakeFlag(const std::uint8_t*& data, std::size_t& size)
{
    if (size < 1) {
        return false;
    }
    const bool flag = (data[0] & 1) != 0;
    ++data;
    --size;
    return flag;
}

} // namespace fennick::fuzz
