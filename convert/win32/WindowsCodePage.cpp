#include <windows.h>

#include <array>
#include <memory>

#include "convert/portable/CodePage.h"

namespace fennick {

namespace {

// The active ANSI code page, converted by the system: to UTF-16 with MultiByteToWideChar and
// flags 0 (unmappable bytes become the code page's default character), then to UTF-8.
class WindowsCodePage final : public CodePage {
public:
    WindowsCodePage()
    {
        CPINFO info{};
        GetCPInfo(CP_ACP, &info);
        for (int range = 0; range + 1 < MAX_LEADBYTES && info.LeadByte[range] != 0; range += 2) {
            for (int byte = info.LeadByte[range]; byte <= info.LeadByte[range + 1]; ++byte) {
                leadBytes_[byte] = true;
            }
        }
    }

    bool IsLeadByte(unsigned char byte) const override { return leadBytes_[byte]; }

    std::optional<std::size_t> ToUtf8(std::span<const unsigned char> text, std::span<unsigned char> utf8) const override
    {
        // Pieces stay far below the int lengths of the two calls; a byte never gives more than
        // one UTF-16 unit, and a unit never more than three UTF-8 bytes.
        const auto length = static_cast<int>(text.size());
        const auto wide = std::make_unique_for_overwrite<wchar_t[]>(text.size());
        const int units =
            MultiByteToWideChar(CP_ACP, 0, reinterpret_cast<const char*>(text.data()), length, wide.get(), length);
        if (units == 0) {
            return std::nullopt;
        }
        const int bytes = WideCharToMultiByte(CP_UTF8, 0, wide.get(), units, reinterpret_cast<char*>(utf8.data()),
                                              static_cast<int>(utf8.size()), nullptr, nullptr);
        if (bytes == 0) {
            return std::nullopt;
        }
        return static_cast<std::size_t>(bytes);
    }

private:
    std::array<bool, 256> leadBytes_{};
};

} // namespace

const CodePage& AnsiCodePage()
{
    static const WindowsCodePage codePage;
    return codePage;
}

} // namespace fennick
