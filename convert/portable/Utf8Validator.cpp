#include "convert/portable/Utf8Validator.h"

#include <algorithm>
#include <cstring>

#include "convert/portable/AsciiRun.h"

namespace fennick {

namespace {

// `current` moved `count` bytes later, its first bytes taken from the end of `previous`.
template <int count>
__m128i Earlier(__m128i current, __m128i previous)
{
    return _mm_or_si128(_mm_slli_si128(current, count), _mm_srli_si128(previous, 16 - count));
}

__m128i Bytes(int value)
{
    return _mm_set1_epi8(static_cast<char>(value));
}

// The bytes `after` the byte `lead` that are `outOfRange`.
__m128i After(__m128i before, int lead, __m128i outOfRange)
{
    return _mm_and_si128(_mm_cmpeq_epi8(before, Bytes(lead)), outOfRange);
}

} // namespace

void Utf8Validator::Add(std::span<const unsigned char> piece)
{
    if (piece.empty()) {
        return;
    }
    const unsigned char* next = piece.data();
    const unsigned char* const end = next + piece.size();
    if (partialLength_ != 0) {
        const std::size_t taken = std::min(sizeof partial_ - partialLength_, piece.size());
        std::memcpy(partial_ + partialLength_, next, taken);
        partialLength_ += taken;
        next += taken;
        if (partialLength_ < sizeof partial_) {
            return;
        }
        Check(_mm_load_si128(reinterpret_cast<const __m128i*>(partial_)));
        partialLength_ = 0;
    }
    for (;;) {
        // After ASCII no sequence is open, so a run of ASCII needs no closer look.
        if (afterAscii_) {
            next = SkipAscii(next, end);
        }
        if (end - next < 16) {
            break;
        }
        Check(_mm_loadu_si128(reinterpret_cast<const __m128i*>(next)));
        next += 16;
    }
    partialLength_ = static_cast<std::size_t>(end - next);
    std::memcpy(partial_, next, partialLength_);
}

bool Utf8Validator::Finish()
{
    // The rest padded with NULs, then a block of NULs: either fails a sequence left open.
    std::memset(partial_ + partialLength_, 0, sizeof partial_ - partialLength_);
    Check(_mm_load_si128(reinterpret_cast<const __m128i*>(partial_)));
    Check(_mm_setzero_si128());
    partialLength_ = 0;
    return beyondAscii_ && !Failed();
}

// Sixteen bytes at a time without a branch per character: text beyond ASCII mixes characters
// of different lengths too irregularly for branches to be predicted. Bytes compare as signed
// values, 0x80 to 0xFF being -128 to -1.
void Utf8Validator::Check(__m128i bytes)
{
    const __m128i high = _mm_cmplt_epi8(bytes, _mm_setzero_si128()); // 80-FF
    const __m128i continuation = _mm_cmplt_epi8(bytes, Bytes(0xC0)); // 80-BF
    const __m128i lead = _mm_andnot_si128(continuation, high); // C0-FF
    const __m128i lead3 = _mm_and_si128(_mm_cmpgt_epi8(bytes, Bytes(0xDF)), high);
    const __m128i lead4 = _mm_and_si128(_mm_cmpgt_epi8(bytes, Bytes(0xEF)), high);

    // A byte must be a continuation byte exactly when a lead byte before it asks for one.
    const __m128i expected =
        _mm_or_si128(Earlier<1>(lead, lead_), _mm_or_si128(Earlier<2>(lead3, lead3_), Earlier<3>(lead4, lead4_)));
    __m128i faults = _mm_xor_si128(expected, continuation);

    // Lead bytes of overlong two-byte forms (C0, C1) and of values beyond U+10FFFF (F5-FF).
    faults = _mm_or_si128(faults, _mm_cmpeq_epi8(_mm_and_si128(bytes, Bytes(0xFE)), Bytes(0xC0)));
    faults = _mm_or_si128(faults, _mm_and_si128(_mm_cmpgt_epi8(bytes, Bytes(0xF4)), high));

    // Second bytes that make overlong forms (after E0, F0), surrogates (after ED) or values
    // beyond U+10FFFF (after F4).
    const __m128i before = Earlier<1>(bytes, bytes_);
    faults = _mm_or_si128(faults, After(before, 0xE0, _mm_cmplt_epi8(bytes, Bytes(0xA0))));
    faults = _mm_or_si128(faults, After(before, 0xED, _mm_cmpgt_epi8(bytes, Bytes(0x9F))));
    faults = _mm_or_si128(faults, After(before, 0xF0, _mm_cmplt_epi8(bytes, Bytes(0x90))));
    faults = _mm_or_si128(faults, After(before, 0xF4, _mm_cmpgt_epi8(bytes, Bytes(0x8F))));

    faults_ = _mm_or_si128(faults_, faults);
    const bool ascii = _mm_movemask_epi8(high) == 0;
    beyondAscii_ = beyondAscii_ || !ascii;
    afterAscii_ = ascii;
    bytes_ = bytes;
    lead_ = lead;
    lead3_ = lead3;
    lead4_ = lead4;
}

} // namespace fennick
