#pragma once

#include <bit>
#include <cstdint>

#include "convert/portable/CodePageTables.h"

namespace fennick::x86 {

// Included by files built for different instruction sets: each has its own copy, as in
// Vector128.h.
namespace {

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

// Converts 64 bytes at a time while more than 64 are left, with the vector operations Ops. A
// window of ASCII is copied whole. In any other, the characters are found all at once from the
// window's lead bytes, then converted one by one without a branch on their kind: text that
// mixes ASCII and other characters defeats branch prediction. Only for tables whose lead bytes
// are 0x81-0xFE.
template <class Ops>
Progress ConvertWindows(const CodePageTables& tables, Progress from, const unsigned char* end)
{
    using Vector = typename Ops::Vector;
    constexpr int width = sizeof(Vector);
    constexpr int blockCount = 64 / width;
    auto [in, out] = from;
    while (end - in > 64) {
        Vector blocks[blockCount];
        Vector any = Ops::Zero();
        for (int block = 0; block < blockCount; ++block) {
            blocks[block] = Ops::Load(in + width * block);
            any = Ops::Or(any, blocks[block]);
        }
        if (!Ops::AnyHigh(any)) {
            for (int block = 0; block < blockCount; ++block) {
                Ops::Store(out + width * block, blocks[block]);
            }
            in += 64;
            out += 64;
            continue;
        }
        // The bytes 0x81-0xFE, -127 to -2 as signed values.
        std::uint64_t leads = 0;
        for (int block = 0; block < blockCount; ++block) {
            const Vector lead = Ops::And(Ops::GreaterSigned(blocks[block], Ops::Splat(0x80)),
                                         Ops::GreaterSigned(Ops::Splat(0xFF), blocks[block]));
            leads |= std::uint64_t{Ops::HighBits(lead)} << (width * block);
        }
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

} // namespace

} // namespace fennick::x86
