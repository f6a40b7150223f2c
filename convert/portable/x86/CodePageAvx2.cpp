// Built with AVX2 enabled; called only on processors that have it.
#include "convert/portable/x86/CodePageWindows.h"
#include "convert/portable/x86/Vector256.h"

namespace fennick {

Progress ConvertAvx2(const CodePageTables& tables, Progress from, const unsigned char* end)
{
    return x86::ConvertWindows<x86::Vector256>(tables, from, end);
}

} // namespace fennick
