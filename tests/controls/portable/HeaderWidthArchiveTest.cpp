#include <gtest/gtest.h>

#include "controls/portable/HeaderWidthArchive.h"

namespace fennick {
namespace {

using Bytes = std::vector<std::uint8_t>;

TEST(HeaderWidthArchive, StoresTheCountThenEachWidthLittleEndian)
{
    Archive archive;
    StoreHeaderWidths(archive, {75, 0x01020304, -1});
    EXPECT_EQ(archive.Bytes(), (Bytes{3, 0, 0, 0, 75, 0, 0, 0, 4, 3, 2, 1, 0xFF, 0xFF, 0xFF, 0xFF}));
    Archive loading(archive.Bytes());
    EXPECT_FALSE(loading.IsStoring());
    EXPECT_EQ(LoadHeaderWidths(loading, 3), (std::vector<int>{75, 0x01020304, -1}));
}

TEST(HeaderWidthArchive, GivesNothingForAMismatchedOrShortWidthList)
{
    // More widths stored than items, fewer, cut short, nothing.
    for (const Bytes& bytes : {Bytes{3, 0, 0, 0, 1, 0, 0, 0, 2, 0, 0, 0, 3, 0, 0, 0}, Bytes{1, 0, 0, 0, 1, 0, 0, 0},
                               Bytes{2, 0, 0, 0, 1, 0, 0, 0, 2, 0}, Bytes{}}) {
        Archive archive(bytes);
        EXPECT_EQ(LoadHeaderWidths(archive, 2), std::nullopt) << ::testing::PrintToString(bytes);
    }
    // A mismatch reads the count only; what follows stays for the next reader.
    Archive archive(Bytes{2, 0, 0, 0, 10, 0, 0, 0, 20, 0, 0, 0});
    EXPECT_EQ(LoadHeaderWidths(archive, 3), std::nullopt);
    EXPECT_EQ(archive.ReadInt32(), 10);
}

} // namespace
} // namespace fennick
