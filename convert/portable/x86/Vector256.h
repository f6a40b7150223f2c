#pragma once

#include <immintrin.h>

namespace fennick::x86 {

// Only files built for AVX2 include this; as in Vector128.h, each has its own copy.
namespace {

// Operations on 32 bytes, two lanes of 16 as far as shuffles and shifts go.
struct Vector256 {
    using Vector = __m256i;

    static Vector Load(const unsigned char* bytes)
    {
        return _mm256_loadu_si256(reinterpret_cast<const __m256i*>(bytes));
    }
    static void Store(unsigned char* bytes, Vector vector)
    {
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(bytes), vector);
    }
    // Past the caches, to `bytes` aligned to the vector's size; visible to other threads after Fence.
    static void Stream(unsigned char* bytes, Vector vector)
    {
        _mm256_stream_si256(reinterpret_cast<__m256i*>(bytes), vector);
    }
    static void Fence() { _mm_sfence(); }
    static Vector Zero() { return _mm256_setzero_si256(); }
    static Vector Splat(int byte) { return _mm256_set1_epi8(static_cast<char>(byte)); }
    static Vector Or(Vector a, Vector b) { return _mm256_or_si256(a, b); }
    static Vector And(Vector a, Vector b) { return _mm256_and_si256(a, b); }
    static Vector Xor(Vector a, Vector b) { return _mm256_xor_si256(a, b); }
    static Vector SubtractSaturated(Vector a, Vector b) { return _mm256_subs_epu8(a, b); }
    static Vector HighNibbles(Vector bytes) { return _mm256_and_si256(_mm256_srli_epi16(bytes, 4), Splat(0x0F)); }
    static Vector LowNibbles(Vector bytes) { return _mm256_and_si256(bytes, Splat(0x0F)); }
    static Vector GreaterSigned(Vector a, Vector b) { return _mm256_cmpgt_epi8(a, b); }
    static unsigned HighBits(Vector bytes) { return static_cast<unsigned>(_mm256_movemask_epi8(bytes)); }
    static bool AnyHigh(Vector bytes) { return HighBits(bytes) != 0; }
    static bool AnyNonZero(Vector bytes) { return _mm256_testz_si256(bytes, bytes) == 0; }

    static Vector Repeat16(const unsigned char* table)
    {
        return _mm256_broadcastsi128_si256(_mm_loadu_si128(reinterpret_cast<const __m128i*>(table)));
    }
    static Vector Lookup(Vector table, Vector indices) { return _mm256_shuffle_epi8(table, indices); }

    // `current` moved `count` bytes later, its first bytes taken from the end of `previous`.
    template <int count>
    static Vector Earlier(Vector current, Vector previous)
    {
        // The byte shift works within each lane: the lower lane's bytes come from the upper lane
        // of `previous`, the upper lane's from the lower lane of `current`.
        return _mm256_alignr_epi8(current, _mm256_permute2x128_si256(previous, current, 0x21), 16 - count);
    }
};

} // namespace

} // namespace fennick::x86
