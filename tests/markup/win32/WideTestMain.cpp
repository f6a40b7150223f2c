// Windows programs here link with -municode, whose start-up code calls wmain; gtest_main only
// gives main, so the Windows test programs of the drawing toolbox start here.
#include <gtest/gtest.h>

int wmain(int argc, wchar_t** argv)
{
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
