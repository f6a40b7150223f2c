#include "markup/portable/Numbers.h"

#include <cstdlib>
#include <limits>

#include "framework/portable/AsciiText.h"

namespace fennick {

namespace {

int DigitValue(wchar_t c)
{
    if (c >= L'0' && c <= L'9') {
        return c - L'0';
    }
    if (c >= L'a' && c <= L'z') {
        return c - L'a' + 10;
    }
    if (c >= L'A' && c <= L'Z') {
        return c - L'A' + 10;
    }
    return 99;
}

std::size_t SkipSpaces(std::wstring_view text)
{
    std::size_t i = 0;
    while (i < text.size() && IsAsciiSpace(text[i])) {
        ++i;
    }
    return i;
}

// Reads a sign at i; true for minus.
bool ReadSign(std::wstring_view text, std::size_t& i)
{
    if (i < text.size() && (text[i] == L'+' || text[i] == L'-')) {
        return text[i++] == L'-';
    }
    return false;
}

bool HasHexPrefix(std::wstring_view text, std::size_t i)
{
    return i + 2 < text.size() && text[i] == L'0' && (text[i + 1] == L'x' || text[i + 1] == L'X') &&
           DigitValue(text[i + 2]) < 16;
}

} // namespace

int SaturateToInt(std::int64_t value)
{
    if (value > std::numeric_limits<int>::max()) {
        return std::numeric_limits<int>::max();
    }
    if (value < std::numeric_limits<int>::min()) {
        return std::numeric_limits<int>::min();
    }
    return static_cast<int>(value);
}

std::uint32_t ReadUnsigned(std::wstring_view text, int base)
{
    std::size_t i = SkipSpaces(text);
    const bool negative = ReadSign(text, i);
    if ((base == 0 || base == 16) && HasHexPrefix(text, i)) {
        base = 16;
        i += 2;
    } else if (base == 0) {
        base = i < text.size() && text[i] == L'0' ? 8 : 10;
    }
    constexpr std::uint64_t limit = 0xFFFFFFFFu;
    std::uint64_t magnitude = 0;
    bool overflow = false;
    for (; i < text.size() && DigitValue(text[i]) < base; ++i) {
        magnitude = magnitude * static_cast<unsigned>(base) + static_cast<unsigned>(DigitValue(text[i]));
        if (magnitude > limit) {
            overflow = true;
            magnitude = limit;
        }
    }
    if (overflow) {
        return static_cast<std::uint32_t>(limit);
    }
    const auto value = static_cast<std::uint32_t>(magnitude);
    return negative ? 0u - value : value;
}

int MulDivRounded(int a, int b, int c)
{
    if (c == 0) {
        return -1;
    }
    const std::int64_t product = static_cast<std::int64_t>(a) * b;
    const std::int64_t divisor = c;
    const std::int64_t half = std::llabs(divisor) / 2;
    const bool negative = (product < 0) != (divisor < 0);
    const std::int64_t quotient = (std::llabs(product) + half) / std::llabs(divisor);
    const std::int64_t result = negative ? -quotient : quotient;
    if (result > std::numeric_limits<int>::max() || result < -std::numeric_limits<int>::max()) {
        return -1;
    }
    return static_cast<int>(result);
}

} // namespace fennick
