#include "framework/win32/ResourceString.h"

namespace fennick {

std::wstring LoadStringResource(UINT id, HMODULE module)
{
    // Ids are 16 bits; the system would read a larger one as a different string.
    if (id == 0 || id > 0xFFFF)
        return {};
    const wchar_t* text = nullptr;
    // A length of 0 asks for a pointer into the resource itself, so no string is ever cut.
    const int length =
        LoadStringW(module != nullptr ? module : GetModuleHandleW(nullptr), id, reinterpret_cast<LPWSTR>(&text), 0);
    return length > 0 && text != nullptr ? std::wstring(text, static_cast<size_t>(length)) : std::wstring();
}

} // namespace fennick
