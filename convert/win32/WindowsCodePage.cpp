#include "convert/win32/WindowsCodePage.h"

#include <windows.h>

namespace fennick {

namespace {

constexpr unsigned kKorean = 949;

} // namespace

TableCodePage CodePageForAnsi(unsigned ansiCodePage)
{
    const unsigned codePage = ansiCodePage == CP_UTF8 ? kKorean : ansiCodePage;
    CPINFOEXW info{};
    GetCPInfoExW(codePage, 0, &info);
    std::array<bool, 256> leadBytes{};
    for (int range = 0; range + 1 < MAX_LEADBYTES && info.LeadByte[range] != 0; range += 2) {
        for (int byte = info.LeadByte[range]; byte <= info.LeadByte[range + 1]; ++byte) {
            leadBytes[byte] = true;
        }
    }
    // Single bytes with flags 0, as the system converts text, so that a byte it cannot map is its
    // default character; pairs only when the code page has a character for them.
    const auto decode = [codePage](std::span<const unsigned char> bytes) -> std::optional<char32_t> {
        const DWORD flags = bytes.size() == 1 ? 0 : MB_ERR_INVALID_CHARS;
        wchar_t wide[2];
        const int units = MultiByteToWideChar(codePage, flags, reinterpret_cast<const char*>(bytes.data()),
                                              static_cast<int>(bytes.size()), wide, 2);
        return units == 1 ? std::optional<char32_t>(wide[0]) : std::nullopt;
    };
    return TableCodePage(leadBytes, info.UnicodeDefaultChar, decode);
}

const CodePage& AnsiCodePage()
{
    static const TableCodePage codePage = CodePageForAnsi(GetACP());
    return codePage;
}

} // namespace fennick
