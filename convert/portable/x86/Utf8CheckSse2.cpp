#include "convert/portable/x86/Utf8Blocks.h"
#include "convert/portable/x86/Vector128.h"

namespace fennick {

namespace x86 {
namespace {

// The check by comparisons, for SSE2, which has no byte shuffle. Without a branch per
// character: text beyond ASCII mixes characters of different lengths too irregularly for
// branches to be predicted. Bytes compare as signed values, 0x80 to 0xFF being -128 to -1.
class ComparingChecker {
public:
    using Ops = Vector128;
    using Vector = __m128i;

    explicit ComparingChecker(const unsigned char* before) { Remember(EndingWith<Ops>(before)); }

    Vector Check(Vector bytes)
    {
        const ComparingChecker previous = *this;
        Remember(bytes);

        // A byte must be a continuation byte exactly when a lead byte before it asks for one.
        const Vector expected =
            Ops::Or(Ops::Earlier<1>(lead_, previous.lead_),
                    Ops::Or(Ops::Earlier<2>(lead3_, previous.lead3_), Ops::Earlier<3>(lead4_, previous.lead4_)));
        const Vector continuation = _mm_cmplt_epi8(bytes, Ops::Splat(0xC0)); // 80-BF
        Vector faults = Ops::Xor(expected, continuation);

        // Lead bytes of overlong two-byte forms (C0, C1) and of values beyond U+10FFFF (F5-FF).
        const Vector high = _mm_cmplt_epi8(bytes, Ops::Zero());
        faults = Ops::Or(faults, _mm_cmpeq_epi8(Ops::And(bytes, Ops::Splat(0xFE)), Ops::Splat(0xC0)));
        faults = Ops::Or(faults, Ops::And(_mm_cmpgt_epi8(bytes, Ops::Splat(0xF4)), high));

        // Second bytes that make overlong forms (after E0, F0), surrogates (after ED) or values
        // beyond U+10FFFF (after F4).
        const Vector before = Ops::Earlier<1>(bytes, previous.bytes_);
        faults = Ops::Or(faults, After(before, 0xE0, _mm_cmplt_epi8(bytes, Ops::Splat(0xA0))));
        faults = Ops::Or(faults, After(before, 0xED, _mm_cmpgt_epi8(bytes, Ops::Splat(0x9F))));
        faults = Ops::Or(faults, After(before, 0xF0, _mm_cmplt_epi8(bytes, Ops::Splat(0x90))));
        return Ops::Or(faults, After(before, 0xF4, _mm_cmpgt_epi8(bytes, Ops::Splat(0x8F))));
    }

    Vector AfterAscii(Vector bytes)
    {
        const Vector faults = OpenAtEnd<Ops>(bytes_);
        bytes_ = bytes;
        lead_ = lead3_ = lead4_ = Ops::Zero();
        return faults;
    }

private:
    // The bytes `after` the byte `lead` that are `outOfRange`.
    static Vector After(Vector before, int lead, Vector outOfRange)
    {
        return Ops::And(_mm_cmpeq_epi8(before, Ops::Splat(lead)), outOfRange);
    }

    void Remember(Vector bytes)
    {
        const Vector high = _mm_cmplt_epi8(bytes, Ops::Zero()); // 80-FF
        bytes_ = bytes;
        lead_ = _mm_andnot_si128(_mm_cmplt_epi8(bytes, Ops::Splat(0xC0)), high);
        lead3_ = Ops::And(_mm_cmpgt_epi8(bytes, Ops::Splat(0xDF)), high);
        lead4_ = Ops::And(_mm_cmpgt_epi8(bytes, Ops::Splat(0xEF)), high);
    }

    // The last block checked, and which of its bytes ask for continuation bytes.
    Vector bytes_;
    Vector lead_; // C0-FF: one or more
    Vector lead3_; // E0-FF: two or more
    Vector lead4_; // F0-FF: three
};

} // namespace
} // namespace x86

Utf8Findings CheckUtf8Sse2(const unsigned char* bytes, std::size_t length, const unsigned char* before)
{
    return x86::CheckInBlocks<x86::ComparingChecker>(bytes, length, before);
}

} // namespace fennick
