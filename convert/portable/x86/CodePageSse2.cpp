#include <bit>
#include <cstdint>

#include "convert/portable/CodePageTables.h"
#include "convert/portable/x86/Vector128.h"

namespace fennick {

namespace {

using Ops = x86::Vector128;

// One bit per byte of four blocks, from the bytes' top bits.
std::uint64_t HighBits(const Ops::Vector (&blocks)[4])
{
    return Ops::HighBits(blocks[0]) | std::uint64_t{Ops::HighBits(blocks[1])} << 16 |
           std::uint64_t{Ops::HighBits(blocks[2])} << 32 | std::uint64_t{Ops::HighBits(blocks[3])} << 48;
}

// The bytes 0x81-0xFE, that is -127 to -2 as signed values, as one byte of 0xFF each.
Ops::Vector LeadBytes(Ops::Vector bytes)
{
    return Ops::And(_mm_cmpgt_epi8(bytes, Ops::Splat(0x80)), _mm_cmplt_epi8(bytes, Ops::Splat(0xFF)));
}

struct Pairing {
    std::uint64_t seconds; // the second bytes of pairs
    bool carry; // the last byte begins a pair whose second byte lies beyond
};

// Pairs up the lead bytes of a window whose first byte begins a character. A run of lead bytes
// pairs up from its first byte, so its second bytes, and the byte after it when the run is odd
// in length, lie at the positions of the parity its first byte has not. Adding a run's first
// bit to the run clears it and sets the bit after it, which marks each run with the byte after.
Pairing PairUp(std::uint64_t leads)
{
    constexpr std::uint64_t even = 0x5555555555555555;
    const std::uint64_t runStarts = leads & ~(leads << 1);
    std::uint64_t evenSum;
    std::uint64_t oddSum;
    __builtin_add_overflow(leads, runStarts & even, &evenSum);
    const bool carry = __builtin_add_overflow(leads, runStarts & ~even, &oddSum);
    const std::uint64_t evenRuns = leads ^ evenSum;
    const std::uint64_t oddRuns = leads ^ oddSum;
    return {(evenRuns & ~even) | (oddRuns & even), carry};
}

} // namespace

// 64 bytes at a time. A window of ASCII is copied whole. In any other, the characters are found
// all at once from the window's lead bytes, then converted one by one without a branch on their
// kind: text that mixes ASCII and other characters defeats branch prediction.
Progress ConvertSse2(const CodePageTables& tables, Progress from, const unsigned char* end)
{
    auto [in, out] = from;
    while (end - in > 64) {
        const Ops::Vector blocks[] = {Ops::Load(in), Ops::Load(in + 16), Ops::Load(in + 32), Ops::Load(in + 48)};
        if (!Ops::AnyHigh(Ops::Or(Ops::Or(blocks[0], blocks[1]), Ops::Or(blocks[2], blocks[3])))) {
            for (int block = 0; block < 4; ++block) {
                Ops::Store(out + 16 * block, blocks[block]);
            }
            in += 64;
            out += 64;
            continue;
        }
        const Ops::Vector leadBlocks[] = {LeadBytes(blocks[0]), LeadBytes(blocks[1]), LeadBytes(blocks[2]),
                                          LeadBytes(blocks[3])};
        const std::uint64_t leads = HighBits(leadBlocks);
        const Pairing pairing = PairUp(leads);
        const unsigned char* const window = in;
        in = window + 64 + pairing.carry;
        std::uint64_t starts = ~pairing.seconds;
        do {
            const int at = std::countr_zero(starts);
            starts &= starts - 1;
            const CodePageTables::Entry entry = tables.At(window + at);
            out = Put(out, entry);
            // The byte after a lead byte that converts alone begins a character: pair up anew.
            if ((entry & CodePageTables::kAlone) != 0) {
                in = window + at + 1;
                break;
            }
        } while (starts != 0);
    }
    return {in, out};
}

} // namespace fennick
