#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "convert/portable/CodePage.h"

namespace fennick {

// A code page of one- and two-byte characters as the C library's iconv knows it. Its whole
// mapping is read from iconv once, at construction, into tables, which convert far faster
// than a call into iconv per character. Unmappable bytes become "?", and, as the Windows
// conversion does, a lead byte takes the byte after it along unless that byte is NUL.
class IconvCodePage final : public CodePage {
public:
    // Raises std::runtime_error when iconv does not know `charset`.
    explicit IconvCodePage(const char* charset);

    bool IsLeadByte(unsigned char byte) const override { return leadBytes_[byte]; }

    std::optional<std::size_t> ToUtf8(std::span<const unsigned char> text,
                                      std::span<unsigned char> utf8) const override;

private:
    // A character's UTF-8 bytes (at most three) from the lowest byte up, their count in the top
    // byte; stored with one four-byte copy on these little-endian machines.
    using PackedUtf8 = std::uint32_t;

    std::array<bool, 256> leadBytes_{};
    std::array<PackedUtf8, 256> singles_{};
    std::vector<PackedUtf8> pairs_; // indexed by lead byte * 256 + second byte
};

} // namespace fennick
