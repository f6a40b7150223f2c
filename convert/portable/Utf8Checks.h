#pragma once

#include <cstddef>

#include "convert/portable/InstructionSet.h"

namespace fennick {

// What one stretch of text shows.
struct Utf8Findings {
    bool faulty = false; // some byte breaks the rules of UTF-8
    bool beyondAscii = false; // some byte is not ASCII
};

// Checks the `length` bytes at `bytes`, which follow the three bytes `before` (zeros at the start
// of the text). A sequence left open at the end is no fault: the text may go on. Every form
// gives the same findings; the forms beyond the plain one are in x86/.
using Utf8Check = Utf8Findings (*)(const unsigned char* bytes, std::size_t length, const unsigned char* before);

Utf8Findings CheckUtf8Plain(const unsigned char* bytes, std::size_t length, const unsigned char* before);
Utf8Findings CheckUtf8Sse2(const unsigned char* bytes, std::size_t length, const unsigned char* before);
Utf8Findings CheckUtf8Ssse3(const unsigned char* bytes, std::size_t length, const unsigned char* before);
Utf8Findings CheckUtf8Avx2(const unsigned char* bytes, std::size_t length, const unsigned char* before);

// The best form for `set`.
Utf8Check Utf8CheckFor(InstructionSet set);

// Whether a text that ends with `last`, its last three bytes, leaves a sequence open.
constexpr bool EndsInsideASequence(const unsigned char* last)
{
    return last[2] >= 0xC0 || last[1] >= 0xE0 || last[0] >= 0xF0;
}

} // namespace fennick
