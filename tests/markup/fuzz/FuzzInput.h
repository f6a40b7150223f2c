#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace fennick::fuzz {

// Fuzz inputs read as text: every byte one character (0-255), so the markup's ASCII syntax is
// cheap to reach while every other character still occurs.
inline std::wstring ToText(const std::uint8_t* data, std::size_t size)
{
    return std::wstring(data, data + size);
}

// Takes a small number (or a switch: its lowest bit) from the front of the input.
inline int TakeInt16(const std::uint8_t*& data, std::size_t& size, std::size_t bytes = 2)
{
    if (size < bytes) {
        return 0;
    }
    const auto value = static_cast<std::int16_t>(bytes == 2 ? data[0] | data[1] << 8 : data[0] & 1);
    data += bytes;
    size -= bytes;
    return value;
}
inline bool TakeFlag(const std::uint8_t*& data, std::size_t& size)
{
    return TakeInt16(data, size, 1) != 0;
}

// A broken invariant stops the run with a crash that libFuzzer records.
inline void Check(bool condition)
{
    if (!condition) {
        __builtin_trap();
    }
}

} // namespace fennick::fuzz
