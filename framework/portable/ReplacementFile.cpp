#include "framework/portable/ReplacementFile.h"

#include <atomic>

namespace fennick {

namespace {

std::atomic<bool> flushingBeforeReplacing{true};

} // namespace

void ReplacementFile::SetFlushingBeforeReplacing(bool flushing)
{
    flushingBeforeReplacing = flushing;
}

bool ReplacementFile::FlushingBeforeReplacing()
{
    return flushingBeforeReplacing;
}

} // namespace fennick
