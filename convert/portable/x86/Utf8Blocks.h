#pragma once

#include <cstddef>
#include <cstring>

#include "convert/portable/Utf8Checks.h"

namespace fennick::x86 {

// Bytes at the end of a block that leave a sequence open are at least these plus one: the last
// byte a lead byte, the one before it one of three or four bytes, the one before that of four.
inline constexpr unsigned char kOpenThresholds[32] = {
    0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF,
    0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xEF, 0xDF, 0xBF,
};

// The faults of an ASCII block after `previous`: it breaks a sequence that `previous` leaves
// open, and nothing else.
template <class Ops>
typename Ops::Vector OpenAtEnd(typename Ops::Vector previous)
{
    return Ops::SubtractSaturated(previous, Ops::Load(kOpenThresholds + 32 - sizeof previous));
}

// The mask of the first `count` bytes of a block starts `32 - count` bytes into this.
inline constexpr unsigned char kFirstBytes[64] = {
    0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF,
    0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF,
};

// A block that ends with the three bytes `last`, NULs before them.
template <class Ops>
typename Ops::Vector EndingWith(const unsigned char* last)
{
    unsigned char block[sizeof(typename Ops::Vector)] = {};
    std::memcpy(block + sizeof block - 3, last, 3);
    return Ops::Load(block);
}

// Runs a checker over a text a block at a time. A Checker, made from the three bytes before the
// text, has the vector operations of its instruction set (Ops) and Check(block), which gives
// the block's faults as bytes that are not zero and remembers the block for the next one.
template <class Checker>
Utf8Findings CheckInBlocks(const unsigned char* bytes, std::size_t length, const unsigned char* before)
{
    using Ops = typename Checker::Ops;
    using Vector = typename Ops::Vector;
    constexpr std::size_t width = sizeof(Vector);

    Checker checker(before);
    Vector faults = Ops::Zero();
    bool beyondAscii = false;
    std::size_t done = 0;
    // ASCII, the commonest text even between other characters, is passed over many bytes at a
    // time. A test for it is a branch that text mixing ASCII with other characters makes hard to
    // predict when taken often: 32-byte blocks are tested a pair at a time, four to a loop (64
    // bytes that are all ASCII are rare in such text); 16-byte blocks are checked one by one,
    // and only after a block of ASCII are the next four tested.
    if constexpr (width == 32) {
        const auto checkPair = [&](const unsigned char* at) {
            const Vector first = Ops::Load(at);
            const Vector second = Ops::Load(at + width);
            if (!Ops::AnyHigh(Ops::Or(first, second))) {
                faults = Ops::Or(faults, checker.AfterAscii(second));
                return;
            }
            beyondAscii = true;
            faults = Ops::Or(faults, checker.Check(first));
            faults = Ops::Or(faults, checker.Check(second));
        };
        for (; length - done >= 4 * width; done += 4 * width) {
            checkPair(bytes + done);
            checkPair(bytes + done + 2 * width);
        }
    } else {
        bool afterAscii = true;
        while (length - done >= 4 * width) {
            if (afterAscii) {
                const Vector blocks[] = {Ops::Load(bytes + done), Ops::Load(bytes + done + width),
                                         Ops::Load(bytes + done + 2 * width), Ops::Load(bytes + done + 3 * width)};
                if (!Ops::AnyHigh(Ops::Or(Ops::Or(blocks[0], blocks[1]), Ops::Or(blocks[2], blocks[3])))) {
                    faults = Ops::Or(faults, checker.AfterAscii(blocks[3]));
                    done += 4 * width;
                    continue;
                }
            }
            const Vector block = Ops::Load(bytes + done);
            faults = Ops::Or(faults, checker.Check(block));
            afterAscii = !Ops::AnyHigh(block);
            beyondAscii = beyondAscii || !afterAscii;
            done += width;
        }
    }
    // The rest, padded with NULs whose faults do not count: the text may go on after them.
    while (done < length) {
        const std::size_t count = length - done < width ? length - done : width;
        unsigned char block[width] = {};
        std::memcpy(block, bytes + done, count);
        const Vector bytesThere = Ops::Load(block);
        beyondAscii = beyondAscii || Ops::AnyHigh(bytesThere);
        faults = Ops::Or(faults, Ops::And(checker.Check(bytesThere), Ops::Load(kFirstBytes + 32 - count)));
        done += count;
    }
    return {Ops::AnyNonZero(faults), beyondAscii};
}

} // namespace fennick::x86
