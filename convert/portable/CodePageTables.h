#pragma once

#include <array>
#include <bit>
#include <cstdint>
#include <cstring>

namespace fennick {

static_assert(std::endian::native == std::endian::little, "a character's UTF-8 bytes are stored with one copy");

// What each character of a code page becomes in UTF-8, read from the system once so that
// conversion is a table lookup per character.
struct CodePageTables {
    // A character's UTF-8 bytes (at most three) from the lowest byte up, their count in bits 24
    // and 25, and the flags below.
    using Entry = std::uint32_t;

    // On a single byte's entry: the byte begins a two-byte character; the entry is what the byte
    // becomes when the text ends after it.
    static constexpr Entry kLead = Entry{1} << 30;
    // On a pair's entry: the lead byte converts alone, and the byte after it on its own.
    static constexpr Entry kAlone = Entry{1} << 31;

    // Indexed by a single byte, or by lead byte * 256 + second byte: no lead byte is 0, so single
    // bytes and pairs never share an entry.
    std::array<Entry, 256 * 256> entries;

    // Whether the lead bytes are exactly 0x81-0xFE, as in code page 949 and its East Asian
    // neighbours: the vector form of the conversion tells them by that range.
    bool leadsAre81ToFe = false;
};

// Stores `entry`'s UTF-8 bytes at `out`, which has room for four; returns the end of them.
inline unsigned char* Put(unsigned char* out, CodePageTables::Entry entry)
{
    std::memcpy(out, &entry, sizeof entry);
    return out + ((entry >> 24) & 3);
}

// How far a conversion has come: the next byte to read, and to write.
struct Progress {
    const unsigned char* in;
    unsigned char* out;
};

// Converts characters from `from` on until `end`, or until only a lead byte is left before it.
// `from.out` has room for the UTF-8 form of the text, as CodePage::Utf8Room gives it.
Progress ConvertPlain(const CodePageTables& tables, Progress from, const unsigned char* end);

// The same with SSE2, while more than 64 bytes are left: the plain form does the rest. Only for
// tables whose lead bytes are 0x81-0xFE.
Progress ConvertSse2(const CodePageTables& tables, Progress from, const unsigned char* end);

} // namespace fennick
