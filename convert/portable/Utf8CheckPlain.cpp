#include <cstdint>
#include <cstring>

#include "convert/portable/Utf8Checks.h"

namespace fennick {

namespace {

// Whether `byte`, after the three bytes `last`, breaks the rules of UTF-8. A continuation byte
// must follow exactly where a lead byte before it asks for one; the rest rules out overlong
// forms, encoded surrogates and values beyond U+10FFFF.
constexpr bool BreaksTheRules(const unsigned char* last, unsigned byte)
{
    const bool continuation = (byte & 0xC0) == 0x80;
    if (continuation != EndsInsideASequence(last)) {
        return true;
    }
    if (byte == 0xC0 || byte == 0xC1 || byte >= 0xF5) {
        return true;
    }
    const unsigned lead = last[2];
    return (lead == 0xE0 && byte < 0xA0) || (lead == 0xED && byte > 0x9F) || (lead == 0xF0 && byte < 0x90) ||
           (lead == 0xF4 && byte > 0x8F);
}

constexpr std::uint64_t kHighBits = 0x8080808080808080;

} // namespace

// Byte by byte, except that ASCII goes eight bytes at a time where no sequence is open. It stops
// at the first fault, so `beyondAscii` is told only of text without one.
Utf8Findings CheckUtf8Plain(const unsigned char* bytes, std::size_t length, const unsigned char* before)
{
    unsigned char last[] = {before[0], before[1], before[2]};
    Utf8Findings findings;
    const unsigned char* next = bytes;
    const unsigned char* const end = bytes + length;
    while (next != end) {
        std::uint64_t word = 0;
        if (end - next >= 8 && !EndsInsideASequence(last)) {
            std::memcpy(&word, next, sizeof word);
            if ((word & kHighBits) == 0) {
                std::memcpy(last, next + 5, 3);
                next += 8;
                continue;
            }
        }
        const unsigned byte = *next++;
        findings.beyondAscii = findings.beyondAscii || byte >= 0x80;
        if (BreaksTheRules(last, byte)) {
            findings.faulty = true;
            return findings;
        }
        last[0] = last[1];
        last[1] = last[2];
        last[2] = static_cast<unsigned char>(byte);
    }
    return findings;
}

} // namespace fennick
