// Built with AVX2 enabled; called only on processors that have it.
#include <immintrin.h>

#include "convert/portable/x86/Utf8Lookup.h"

namespace fennick {

namespace x86 {
namespace {

// Operations on 32 bytes, two lanes of 16 as far as shuffles and shifts go.
struct Avx2 {
    using Vector = __m256i;

    static Vector Load(const unsigned char* bytes)
    {
        return _mm256_loadu_si256(reinterpret_cast<const __m256i*>(bytes));
    }
    static Vector Zero() { return _mm256_setzero_si256(); }
    static Vector Splat(int byte) { return _mm256_set1_epi8(static_cast<char>(byte)); }
    static Vector Or(Vector a, Vector b) { return _mm256_or_si256(a, b); }
    static Vector And(Vector a, Vector b) { return _mm256_and_si256(a, b); }
    static Vector Xor(Vector a, Vector b) { return _mm256_xor_si256(a, b); }
    static Vector SubtractSaturated(Vector a, Vector b) { return _mm256_subs_epu8(a, b); }
    static Vector HighNibbles(Vector bytes) { return _mm256_and_si256(_mm256_srli_epi16(bytes, 4), Splat(0x0F)); }
    static Vector LowNibbles(Vector bytes) { return _mm256_and_si256(bytes, Splat(0x0F)); }
    static bool AnyHigh(Vector bytes) { return _mm256_movemask_epi8(bytes) != 0; }
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
} // namespace x86

Utf8Findings CheckUtf8Avx2(const unsigned char* bytes, std::size_t length, const unsigned char* before)
{
    return x86::CheckInBlocks<x86::LookupChecker<x86::Avx2>>(bytes, length, before);
}

} // namespace fennick
