#include "tests/markup/support/Printable.h"

#include <cstdio>

namespace fennick::test {

std::string Printable(std::wstring_view text)
{
    std::string result;
    for (const wchar_t c : text) {
        if (c >= 0x20 && c < 0x7F && c != L'\\') {
            result.push_back(static_cast<char>(c));
        } else {
            char escaped[16];
            std::snprintf(escaped, sizeof escaped, "U+%04X", static_cast<unsigned>(c));
            result += escaped;
        }
    }
    return result;
}

} // namespace fennick::test
