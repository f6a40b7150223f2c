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

// 64 bytes of text in the vectors of Ops.
template <class Ops>
struct Window {
    using Vector = typename Ops::Vector;
    static constexpr int kWidth = sizeof(Vector);
    static constexpr int kBlockCount = 64 / kWidth;

    explicit Window(const unsigned char* at)
    {
        for (int block = 0; block < kBlockCount; ++block) {
            blocks[block] = Ops::Load(at + kWidth * block);
        }
    }

    bool IsAscii() const
    {
        Vector any = Ops::Zero();
        for (const Vector block : blocks) {
            any = Ops::Or(any, block);
        }
        return !Ops::AnyHigh(any);
    }

    // A bit for each of the bytes 0x81-0xFE, -127 to -2 as signed values.
    std::uint64_t Leads() const
    {
        std::uint64_t leads = 0;
        for (int block = 0; block < kBlockCount; ++block) {
            const Vector lead = Ops::And(Ops::GreaterSigned(blocks[block], Ops::Splat(0x80)),
                                         Ops::GreaterSigned(Ops::Splat(0xFF), blocks[block]));
            leads |= std::uint64_t{Ops::HighBits(lead)} << (kWidth * block);
        }
        return leads;
    }

    void Store(unsigned char* out) const
    {
        for (int block = 0; block < kBlockCount; ++block) {
            Ops::Store(out + kWidth * block, blocks[block]);
        }
    }

    // Past the caches, to `out` at the start of a cache line, which the window fills whole.
    void Stream(unsigned char* out) const
    {
        for (int block = 0; block < kBlockCount; ++block) {
            Ops::Stream(out + kWidth * block, blocks[block]);
        }
    }

    Vector blocks[kBlockCount];
};

// Copies ASCII a window at a time from `from` on, while more than 64 bytes are left, up to the
// first window that holds another byte. `from.out` begins a cache line: each window fills one,
// never two halves.
template <class Ops, bool streaming>
Progress CopyAsciiWindows(Progress from, const unsigned char* end)
{
    auto [in, out] = from;
    for (; end - in > 64; in += 64, out += 64) {
        const Window<Ops> window(in);
        if (!window.IsAscii()) {
            break;
        }
        if constexpr (streaming) {
            window.Stream(out);
        } else {
            window.Store(out);
        }
    }
    return {in, out};
}

// Converts 64 bytes at a time while more than 64 are left, with the vector operations Ops. ASCII
// is copied a window at a time. In any other window, the characters are found all at once from
// the window's lead bytes, then converted one by one without a branch on their kind: text that
// mixes ASCII and other characters defeats branch prediction. Only for tables whose lead bytes
// are 0x81-0xFE.
template <class Ops>
Progress ConvertWindows(const CodePageTables& tables, Progress from, const unsigned char* end)
{
    const bool streaming = end - from.in >= kStreamingLength;
    auto [in, out] = from;
    while (end - in > 64) {
        const Window<Ops> window(in);
        if (window.IsAscii()) {
            // Stored where it falls; the ASCII after it goes from the next cache line of the
            // output on, which may store the window's last bytes again.
            window.Store(out);
            const auto toLine = static_cast<std::ptrdiff_t>(64 - reinterpret_cast<std::uintptr_t>(out) % 64);
            const Progress lined{in + toLine, out + toLine};
            const Progress copied =
                streaming ? CopyAsciiWindows<Ops, true>(lined, end) : CopyAsciiWindows<Ops, false>(lined, end);
            in = copied.in;
            out = copied.out;
            continue;
        }
        const Pairing pairing = PairUp(window.Leads());
        const unsigned char* const start = in;
        in = start + 64 + pairing.carry;
        std::uint64_t starts = ~pairing.seconds;
        do {
            const int at = std::countr_zero(starts);
            starts &= starts - 1;
            const CodePageTables::Entry entry = tables.At(start + at);
            out = Put(out, entry);
            // The byte after a lead byte that converts alone begins a character: pair up anew.
            if ((entry & CodePageTables::kAlone) != 0) {
                in = start + at + 1;
                break;
            }
        } while (starts != 0);
    }
    if (streaming) {
        // Streamed stores are ordered with no others: all of them are in memory before what
        // follows, so that whoever is told the text is converted sees all of it.
        Ops::Fence();
    }
    return {in, out};
}

} // namespace

} // namespace fennick::x86
