#include "framework/portable/NativePath.h"

namespace fennick {

std::optional<NativePath> ToNativePath(const std::wstring& path)
{
    NativePath utf8;
    utf8.reserve(path.size());
    for (const wchar_t unit : path) {
        const auto value = static_cast<char32_t>(unit);
        if (value == 0 || value > 0x10FFFF) {
            return std::nullopt;
        }
        if (value < 0x80) {
            utf8 += static_cast<char>(value);
            continue;
        }
        const int continuations = value < 0x800 ? 1 : value < 0x10000 ? 2 : 3;
        static constexpr unsigned char leads[] = {0, 0xC0, 0xE0, 0xF0};
        utf8 += static_cast<char>(leads[continuations] | (value >> (6 * continuations)));
        for (int shift = 6 * (continuations - 1); shift >= 0; shift -= 6) {
            utf8 += static_cast<char>(0x80 | ((value >> shift) & 0x3F));
        }
    }
    return utf8;
}

} // namespace fennick
