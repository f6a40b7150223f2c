// Windows programs link with -municode, whose start-up code calls wmain where GoogleTest's
// own main library offers only main: the file tests start here instead.
#include <gtest/gtest.h>

int wmain(int argc, wchar_t** argv)
{
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
