#include "convert/portable/Utf8Validator.h"

#include <cstring>

namespace fennick {

Utf8Check Utf8CheckFor(InstructionSet set)
{
    switch (set) {
#ifdef FENNICK_X86_64
    case InstructionSet::Avx2:
        return CheckUtf8Avx2;
    case InstructionSet::Ssse3:
        return CheckUtf8Ssse3;
    case InstructionSet::Sse2:
        return CheckUtf8Sse2;
#endif
    default:
        return CheckUtf8Plain;
    }
}

Utf8Validator::Utf8Validator() : check_(Utf8CheckFor(ActiveInstructionSet())) {}

void Utf8Validator::Add(std::span<const unsigned char> piece)
{
    // Text with a fault is decided: the rest need not be read.
    if (faulty_ || piece.empty()) {
        return;
    }
    const Utf8Findings findings = check_(piece.data(), piece.size(), last_);
    faulty_ = findings.faulty;
    beyondAscii_ = beyondAscii_ || findings.beyondAscii;
    const std::size_t kept = piece.size() < sizeof last_ ? sizeof last_ - piece.size() : 0;
    std::memmove(last_, last_ + sizeof last_ - kept, kept);
    std::memcpy(last_ + kept, piece.data() + piece.size() - (sizeof last_ - kept), sizeof last_ - kept);
}

bool Utf8Validator::Finish()
{
    faulty_ = faulty_ || EndsInsideASequence(last_);
    return beyondAscii_ && !faulty_;
}

} // namespace fennick
