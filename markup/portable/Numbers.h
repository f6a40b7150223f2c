#pragma once

#include <cstdint>
#include <string_view>

namespace fennick {

// Number reading with the C library's rules, but the same 32-bit results on every platform
// and no undefined behaviour on overflow.

// Like wcstoul with a 32-bit unsigned long: base 0 picks hexadecimal after "0x", octal after a
// leading "0", else decimal; base 16 accepts an optional "0x". A minus sign negates modulo 2^32;
// a value that does not fit gives 0xFFFFFFFF.
std::uint32_t ReadUnsigned(std::wstring_view text, int base);

// Like the Windows MulDiv: a × b / c computed in 64 bits and rounded half away from zero;
// -1 when c is 0 or the result does not fit in 32 bits.
int MulDivRounded(int a, int b, int c);

int SaturateToInt(std::int64_t value);

} // namespace fennick
