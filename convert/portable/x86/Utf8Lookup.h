#pragma once

#include "convert/portable/x86/Utf8Blocks.h"

namespace fennick::x86 {

// The faults a byte can make with the byte before it, one bit each, so that three table
// lookups (by the high and low half of the first byte, by the high half of the second) and
// their intersection find them all at once. Each fault is one set of first-byte halves and
// second-byte halves: that is why two of them share a bit.
namespace pairFault {
inline constexpr unsigned char kTooShort = 1 << 0; // a lead byte, then no continuation byte
inline constexpr unsigned char kTooLong = 1 << 1; // ASCII, then a continuation byte
inline constexpr unsigned char kOverlong3 = 1 << 2; // E0 80-9F
inline constexpr unsigned char kTooLarge = 1 << 3; // F4 90-BF, F5-FF 90-BF
inline constexpr unsigned char kSurrogate = 1 << 4; // ED A0-BF
inline constexpr unsigned char kOverlong2 = 1 << 5; // C0 or C1, then anything
inline constexpr unsigned char kOverlong4OrTooLarge = 1 << 6; // F0 80-8F, F5-FF 80-8F
// Two continuation bytes, a fault unless a lead byte two or three before asks for them. It is
// the top bit, which that lead byte's demand cancels.
inline constexpr unsigned char kTwoContinuations = 1 << 7;

// The tables are laid out four entries to a line.
// clang-format off

// By the high half of the first byte: 0-7 ASCII, 8-B continuation bytes, C-F lead bytes.
inline constexpr unsigned char kByFirstHigh[16] = {
    kTooLong, kTooLong, kTooLong, kTooLong,
    kTooLong, kTooLong, kTooLong, kTooLong,
    kTwoContinuations, kTwoContinuations, kTwoContinuations, kTwoContinuations,
    kTooShort | kOverlong2, kTooShort, kTooShort | kOverlong3 | kSurrogate, kTooShort | kTooLarge | kOverlong4OrTooLarge};

// By the low half of the first byte: 0 (C0, E0, F0), 1 (C1), 4 (F4), D (ED) and 5-F (F5-FF).
inline constexpr unsigned char kAnyLow = kTooShort | kTooLong | kTwoContinuations;
inline constexpr unsigned char kBeyondF4 = kAnyLow | kTooLarge | kOverlong4OrTooLarge;
inline constexpr unsigned char kByFirstLow[16] = {
    kAnyLow | kOverlong2 | kOverlong3 | kOverlong4OrTooLarge, kAnyLow | kOverlong2, kAnyLow, kAnyLow,
    kAnyLow | kTooLarge, kBeyondF4, kBeyondF4, kBeyondF4,
    kBeyondF4, kBeyondF4, kBeyondF4, kBeyondF4,
    kBeyondF4, kBeyondF4 | kSurrogate, kBeyondF4, kBeyondF4};

// By the high half of the second byte: 0-7 ASCII, 8-B continuation bytes, C-F lead bytes.
inline constexpr unsigned char kNoContinuation = kTooShort | kOverlong2;
inline constexpr unsigned char kContinuation = kTooLong | kTwoContinuations | kOverlong2;
inline constexpr unsigned char kBySecondHigh[16] = {
    kNoContinuation, kNoContinuation, kNoContinuation, kNoContinuation,
    kNoContinuation, kNoContinuation, kNoContinuation, kNoContinuation,
    kContinuation | kOverlong3 | kOverlong4OrTooLarge, kContinuation | kOverlong3 | kTooLarge,
    kContinuation | kSurrogate | kTooLarge, kContinuation | kSurrogate | kTooLarge,
    kNoContinuation, kNoContinuation, kNoContinuation, kNoContinuation};

// clang-format on
} // namespace pairFault

// The check by table lookups, for instruction sets with a byte shuffle: besides the operations
// of Vector128, Ops has Repeat16 (a table of 16 bytes in every 16-byte lane) and Lookup.
template <class VectorOps>
class LookupChecker {
public:
    using Ops = VectorOps;
    using Vector = typename Ops::Vector;

    explicit LookupChecker(const unsigned char* before) : previous_(EndingWith<Ops>(before)) {}

    Vector Check(Vector bytes)
    {
        const Vector last1 = Ops::template Earlier<1>(bytes, previous_);
        const Vector pairFaults = Ops::And(Ops::And(Ops::Lookup(byFirstHigh_, Ops::HighNibbles(last1)),
                                                    Ops::Lookup(byFirstLow_, Ops::LowNibbles(last1))),
                                           Ops::Lookup(bySecondHigh_, Ops::HighNibbles(bytes)));
        // At least 0x80 where the byte two before is a lead byte of three or four, or the byte
        // three before one of four: there a continuation byte is due.
        const Vector third =
            Ops::SubtractSaturated(Ops::template Earlier<2>(bytes, previous_), Ops::Splat(0xE0 - 0x80));
        const Vector fourth =
            Ops::SubtractSaturated(Ops::template Earlier<3>(bytes, previous_), Ops::Splat(0xF0 - 0x80));
        const Vector due = Ops::And(Ops::Or(third, fourth), Ops::Splat(0x80));
        previous_ = bytes;
        return Ops::Xor(pairFaults, due);
    }

    Vector AfterAscii(Vector bytes)
    {
        const Vector faults = OpenAtEnd<Ops>(previous_);
        previous_ = bytes;
        return faults;
    }

private:
    Vector previous_;
    Vector byFirstHigh_ = Ops::Repeat16(pairFault::kByFirstHigh);
    Vector byFirstLow_ = Ops::Repeat16(pairFault::kByFirstLow);
    Vector bySecondHigh_ = Ops::Repeat16(pairFault::kBySecondHigh);
};

} // namespace fennick::x86
