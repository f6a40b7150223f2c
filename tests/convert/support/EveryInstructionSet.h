#pragma once

#include <gtest/gtest.h>

#include "convert/portable/InstructionSet.h"

namespace fennick::test {

// Runs each test once with every instruction set this processor has in use, plain included.
class EveryInstructionSet : public testing::TestWithParam<InstructionSet> {
protected:
    void SetUp() override { UseInstructionSet(GetParam()); }
    void TearDown() override { UseInstructionSet(SupportedInstructionSets().back()); }
};

inline std::string InstructionSetTestName(const testing::TestParamInfo<InstructionSet>& info)
{
    return InstructionSetName(info.param);
}

} // namespace fennick::test
