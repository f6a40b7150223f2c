#pragma once

#include <emmintrin.h>

namespace fennick::x86 {

// Each file that includes this is built for its own instruction set. The unnamed namespace
// gives each its own copy of these functions, so that the linker never lets a file built for
// SSE2 call one compiled for a later set.
namespace {

// Operations on 16 bytes that SSE2 offers.
struct Vector128 {
    using Vector = __m128i;

    static Vector Load(const unsigned char* bytes) { return _mm_loadu_si128(reinterpret_cast<const __m128i*>(bytes)); }
    static void Store(unsigned char* bytes, Vector vector)
    {
        _mm_storeu_si128(reinterpret_cast<__m128i*>(bytes), vector);
    }
    // Past the caches, to `bytes` aligned to the vector's size; visible to other threads after Fence.
    static void Stream(unsigned char* bytes, Vector vector)
    {
        _mm_stream_si128(reinterpret_cast<__m128i*>(bytes), vector);
    }
    static void Fence() { _mm_sfence(); }
    static Vector Zero() { return _mm_setzero_si128(); }
    static Vector Splat(int byte) { return _mm_set1_epi8(static_cast<char>(byte)); }
    static Vector Or(Vector a, Vector b) { return _mm_or_si128(a, b); }
    static Vector And(Vector a, Vector b) { return _mm_and_si128(a, b); }
    static Vector Xor(Vector a, Vector b) { return _mm_xor_si128(a, b); }
    static Vector SubtractSaturated(Vector a, Vector b) { return _mm_subs_epu8(a, b); }
    static Vector HighNibbles(Vector bytes) { return _mm_and_si128(_mm_srli_epi16(bytes, 4), Splat(0x0F)); }
    static Vector LowNibbles(Vector bytes) { return _mm_and_si128(bytes, Splat(0x0F)); }

    static Vector GreaterSigned(Vector a, Vector b) { return _mm_cmpgt_epi8(a, b); }

    // One bit per byte, from the bytes' top bits.
    static unsigned HighBits(Vector bytes) { return static_cast<unsigned>(_mm_movemask_epi8(bytes)); }
    static bool AnyHigh(Vector bytes) { return HighBits(bytes) != 0; }
    static bool AnyNonZero(Vector bytes) { return HighBits(_mm_cmpeq_epi8(bytes, Zero())) != 0xFFFF; }

    // `current` moved `count` bytes later, its first bytes taken from the end of `previous`.
    template <int count>
    static Vector Earlier(Vector current, Vector previous)
    {
        return _mm_or_si128(_mm_slli_si128(current, count), _mm_srli_si128(previous, 16 - count));
    }
};

} // namespace

} // namespace fennick::x86
