// Built with AVX2 enabled; called only on processors that have it.
#include "convert/portable/x86/Utf8Lookup.h"
#include "convert/portable/x86/Vector256.h"

namespace fennick {

Utf8Findings CheckUtf8Avx2(const unsigned char* bytes, std::size_t length, const unsigned char* before)
{
    return x86::CheckInBlocks<x86::LookupChecker<x86::Vector256>>(bytes, length, before);
}

} // namespace fennick
