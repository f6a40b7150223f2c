// Built with SSSE3 enabled; called only on processors that have it.
#include <tmmintrin.h>

#include "convert/portable/x86/Utf8Lookup.h"
#include "convert/portable/x86/Vector128.h"

namespace fennick {

namespace x86 {
namespace {

struct Ssse3 : Vector128 {
    static Vector Repeat16(const unsigned char* table) { return Load(table); }
    static Vector Lookup(Vector table, Vector indices) { return _mm_shuffle_epi8(table, indices); }

    template <int count>
    static Vector Earlier(Vector current, Vector previous)
    {
        return _mm_alignr_epi8(current, previous, 16 - count);
    }
};

} // namespace
} // namespace x86

Utf8Findings CheckUtf8Ssse3(const unsigned char* bytes, std::size_t length, const unsigned char* before)
{
    return x86::CheckInBlocks<x86::LookupChecker<x86::Ssse3>>(bytes, length, before);
}

} // namespace fennick
