#include "convert/portable/x86/CodePageWindows.h"
#include "convert/portable/x86/Vector128.h"

namespace fennick {

Progress ConvertSse2(const CodePageTables& tables, Progress from, const unsigned char* end)
{
    return x86::ConvertWindows<x86::Vector128>(tables, from, end);
}

} // namespace fennick
