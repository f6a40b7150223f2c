#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace fennick::fuzz {

// Fuzz inputs read as text: every byte one character (0-255), so the markup's ASCII syntax is
// cheap to reach while every other character still occurs.
std::wstring ToText(const std::uint8_t* data, std::size_t size);

// Takes a small number from the front of the input, for widths and switches.
int TakeInt16(const std::uint8_t*& data, std::size_t& size);
bool TakeFlag(const std::uint8_t*& data, std::size_t& size);

// A broken invariant stops the run with a crash that libFuzzer records.
inline void Check(bool condition)
{
    if (!condition) {
        __builtin_trap();
    }
}

} // namespace fennick::fuzz
