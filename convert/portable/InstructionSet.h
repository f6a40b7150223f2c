#pragma once

#include <span>

namespace fennick {

// The processor instructions that the text routines (the UTF-8 check, the code page conversion)
// are built for, plainest first. Each routine has a plain form for any processor and faster
// forms for some of these sets; a set it has no form of uses the best form below it.
enum class InstructionSet {
    Plain, // no vector instructions: any processor
    Sse2, // every x86-64 processor
    Ssse3, // with byte shuffles: nearly every x86-64 processor that runs Windows 10
    Avx2, // 32-byte vectors
};

// The sets this processor runs, plainest first; Plain on every processor.
std::span<const InstructionSet> SupportedInstructionSets();

// The set the text routines use: the best supported one, chosen once at start-up.
InstructionSet ActiveInstructionSet();

// Makes `set`, which must be supported, the one in use: for tests and benchmarks that compare
// the forms of a routine.
void UseInstructionSet(InstructionSet set);

const char* InstructionSetName(InstructionSet set);

} // namespace fennick
