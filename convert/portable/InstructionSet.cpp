#include "convert/portable/InstructionSet.h"

#include <vector>

namespace fennick {

namespace {

std::vector<InstructionSet> DetectSupported()
{
    std::vector<InstructionSet> sets{InstructionSet::Plain};
#ifdef FENNICK_X86_64
    // The compiler's detection also asks the system whether it saves the 32-byte registers.
    __builtin_cpu_init();
    sets.push_back(InstructionSet::Sse2);
    if (__builtin_cpu_supports("ssse3")) {
        sets.push_back(InstructionSet::Ssse3);
    }
    if (__builtin_cpu_supports("avx2")) {
        sets.push_back(InstructionSet::Avx2);
    }
#endif
    return sets;
}

const std::vector<InstructionSet>& Supported()
{
    static const std::vector<InstructionSet> sets = DetectSupported();
    return sets;
}

InstructionSet& Active()
{
    static InstructionSet active = Supported().back();
    return active;
}

} // namespace

std::span<const InstructionSet> SupportedInstructionSets()
{
    return Supported();
}

InstructionSet ActiveInstructionSet()
{
    return Active();
}

void UseInstructionSet(InstructionSet set)
{
    Active() = set;
}

const char* InstructionSetName(InstructionSet set)
{
    switch (set) {
    case InstructionSet::Sse2:
        return "SSE2";
    case InstructionSet::Ssse3:
        return "SSSE3";
    case InstructionSet::Avx2:
        return "AVX2";
    default:
        return "plain";
    }
}

} // namespace fennick
