#pragma once

#include <emmintrin.h>

namespace fennick {

// The first byte at or after `from` that is not ASCII, or `end`. Long ASCII runs are the
// common case in text files and markup, so they are skipped 64 bytes at a time.
inline const unsigned char* SkipAscii(const unsigned char* from, const unsigned char* end)
{
    while (end - from >= 64) {
        const auto* blocks = reinterpret_cast<const __m128i*>(from);
        const __m128i any = _mm_or_si128(_mm_or_si128(_mm_loadu_si128(blocks), _mm_loadu_si128(blocks + 1)),
                                         _mm_or_si128(_mm_loadu_si128(blocks + 2), _mm_loadu_si128(blocks + 3)));
        if (_mm_movemask_epi8(any) != 0) {
            break;
        }
        from += 64;
    }
    while (end - from >= 16) {
        const int highBits = _mm_movemask_epi8(_mm_loadu_si128(reinterpret_cast<const __m128i*>(from)));
        if (highBits != 0) {
            return from + __builtin_ctz(static_cast<unsigned>(highBits));
        }
        from += 16;
    }
    while (from != end && *from < 0x80) {
        ++from;
    }
    return from;
}

} // namespace fennick
