#include <emmintrin.h>

#include <cstring>

#include "convert/portable/AsciiRun.h"
#include "convert/portable/FileConverter.h"

namespace fennick {

namespace {

// Checks UTF-8 sixteen bytes at a time, without a branch per character: text beyond ASCII
// mixes characters of different lengths so irregularly that branches mispredict all the time.
// Bytes are compared as signed values, 0x80 to 0xFF being -128 to -1.
class Utf8Blocks {
public:
    void Check(__m128i bytes)
    {
        const __m128i zero = _mm_setzero_si128();
        const __m128i high = _mm_cmplt_epi8(bytes, zero);                   // 80-FF
        const __m128i continuation = _mm_cmplt_epi8(bytes, _mm_set1_epi8(-64)); // 80-BF
        const __m128i lead = _mm_andnot_si128(continuation, high);           // C0-FF
        const __m128i lead3 = _mm_and_si128(_mm_cmpgt_epi8(bytes, _mm_set1_epi8(-33)), high); // E0-FF
        const __m128i lead4 = _mm_and_si128(_mm_cmpgt_epi8(bytes, _mm_set1_epi8(-17)), high); // F0-FF

        // A byte must be a continuation byte exactly when a lead byte before it asks for one.
        const __m128i expected =
            _mm_or_si128(Earlier<1>(lead, lead_),
                         _mm_or_si128(Earlier<2>(lead3, lead3_), Earlier<3>(lead4, lead4_)));
        __m128i faults = _mm_xor_si128(expected, continuation);

        // Lead bytes of overlong two-byte forms (C0, C1) and of values beyond U+10FFFF (F5-FF).
        faults = _mm_or_si128(faults, _mm_cmpeq_epi8(_mm_and_si128(bytes, _mm_set1_epi8(-2)),
                                                     _mm_set1_epi8(-64)));
        faults = _mm_or_si128(faults, _mm_and_si128(_mm_cmpgt_epi8(bytes, _mm_set1_epi8(-12)), high));

        // Second bytes that make overlong forms (after E0, F0), surrogates (after ED) or values
        // beyond U+10FFFF (after F4).
        const __m128i before = Earlier<1>(bytes, bytes_);
        faults = _mm_or_si128(faults, After(before, 0xE0, _mm_cmplt_epi8(bytes, _mm_set1_epi8(-96))));
        faults = _mm_or_si128(faults, After(before, 0xED, _mm_cmpgt_epi8(bytes, _mm_set1_epi8(-97))));
        faults = _mm_or_si128(faults, After(before, 0xF0, _mm_cmplt_epi8(bytes, _mm_set1_epi8(-112))));
        faults = _mm_or_si128(faults, After(before, 0xF4, _mm_cmpgt_epi8(bytes, _mm_set1_epi8(-113))));

        faults_ = _mm_or_si128(faults_, faults);
        bytes_ = bytes;
        lead_ = lead;
        lead3_ = lead3;
        lead4_ = lead4;
    }

    bool Failed() const { return _mm_movemask_epi8(faults_) != 0; }

private:
    // `current` moved `count` bytes later, the first bytes coming from the end of `previous`.
    template <int count>
    static __m128i Earlier(__m128i current, __m128i previous)
    {
        return _mm_or_si128(_mm_slli_si128(current, count), _mm_srli_si128(previous, 16 - count));
    }

    static __m128i After(__m128i before, unsigned char lead, __m128i outOfRange)
    {
        return _mm_and_si128(_mm_cmpeq_epi8(before, _mm_set1_epi8(static_cast<char>(lead))), outOfRange);
    }

    __m128i faults_ = _mm_setzero_si128();
    __m128i bytes_ = _mm_setzero_si128();
    __m128i lead_ = _mm_setzero_si128();
    __m128i lead3_ = _mm_setzero_si128();
    __m128i lead4_ = _mm_setzero_si128();
};

} // namespace

bool FileConverter::IsUtf8Text(std::span<const unsigned char> bytes)
{
    const unsigned char* const end = bytes.data() + bytes.size();
    const unsigned char* next = SkipAscii(bytes.data(), end);
    if (next == end) {
        return false;
    }
    Utf8Blocks blocks;
    while (end - next >= 16) {
        const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(next));
        blocks.Check(block);
        next += 16;
        // After a block of ASCII no sequence is open, so a run of ASCII may be skipped unchecked.
        if (_mm_movemask_epi8(block) == 0) {
            next = SkipAscii(next, end);
        }
    }
    // The rest, then a block of NULs, which fails any sequence the text leaves unfinished.
    alignas(16) unsigned char rest[16] = {};
    std::memcpy(rest, next, static_cast<std::size_t>(end - next));
    blocks.Check(_mm_load_si128(reinterpret_cast<const __m128i*>(rest)));
    blocks.Check(_mm_setzero_si128());
    return !blocks.Failed();
}

} // namespace fennick
