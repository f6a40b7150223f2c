#pragma once

#include <array>
#include <bit>
#include <cstddef>
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

    // The entry is a pair's: its first byte is a lead byte.
    static constexpr Entry kLead = Entry{1} << 30;
    // On a pair's entry: the lead byte converts alone, and the byte after it on its own. So it is
    // for a lead byte that ends the text, taken with NUL after it.
    static constexpr Entry kAlone = Entry{1} << 31;

    // Indexed by two bytes as they lie in the text, the first in the low half: a pair's entry
    // where the first is a lead byte, the first byte's own entry otherwise. One load of two bytes
    // finds any character, whatever its kind.
    std::array<Entry, 256 * 256> entries;

    static constexpr unsigned Index(unsigned first, unsigned second) { return second << 8 | first; }

    // The entry of the character at `at`, which has a byte after it.
    Entry At(const unsigned char* at) const
    {
        std::uint16_t bytes;
        std::memcpy(&bytes, at, sizeof bytes);
        return entries[bytes];
    }

    // How many bytes the character of `entry` takes.
    static constexpr std::size_t Length(Entry entry) { return (entry & (kLead | kAlone)) == kLead ? 2 : 1; }

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

// The same with SSE2 or AVX2, while more than 64 bytes are left: the plain form does the rest.
// Only for tables whose lead bytes are 0x81-0xFE.
Progress ConvertSse2(const CodePageTables& tables, Progress from, const unsigned char* end);
Progress ConvertAvx2(const CodePageTables& tables, Progress from, const unsigned char* end);

// The vector forms store the ASCII of texts from this length on past the caches: together with
// their UTF-8 form such texts outgrow the caches of most machines, and storing it the usual way
// reads every line of it from memory first and crowds the text out of the caches. Shorter texts, such
// as the pieces of a file, stay in the caches for whatever reads them next.
inline constexpr std::ptrdiff_t kStreamingLength = std::ptrdiff_t{32} << 20;

} // namespace fennick
