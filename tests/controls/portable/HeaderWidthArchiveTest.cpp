#include <gtest/gtest.h>

#include "controls/portable/HeaderWidthArchive.h"

namespace fennick {
namespace {

using Bytes = std::vector<std::uint8_t>;

TEST(HeaderWidthArchive, StoresTheCountThenEachWidthLittleEndian)
{
    Archive archive;
    StoreHeaderWidths(archive, {75, 40, 0x01020304, -1});
    EXPECT_EQ(archive.Bytes(), (Bytes{4, 0, 0, 0, 75, 0, 0, 0, 40, 0, 0, 0, 4, 3, 2, 1,
                                      0xFF, 0xFF, 0xFF, 0xFF}));

    Archive loading(archive.Bytes());
    EXPECT_FALSE(loading.IsStoring());
    EXPECT_EQ(LoadHeaderWidths(loading, 4), (std::vector<int>{75, 40, 0x01020304, -1}));
}

TEST(HeaderWidthArchive, GivesNothingForAMismatchedOrShortWidthList)
{
    const struct {
        const char* what;
        Bytes bytes;
        int itemCount;
    } cases[] = {
        {"more items stored", {3, 0, 0, 0, 1, 0, 0, 0, 2, 0, 0, 0, 3, 0, 0, 0}, 2},
        {"fewer items stored", {1, 0, 0, 0, 1, 0, 0, 0}, 2},
        {"cut short", {2, 0, 0, 0, 1, 0, 0, 0, 2, 0}, 2},
        {"empty", {}, 0},
        {"header without items count", {0xFF, 0xFF, 0xFF, 0xFF}, -1},
    };
    for (const auto& c : cases) {
        Archive archive(c.bytes);
        EXPECT_EQ(LoadHeaderWidths(archive, c.itemCount), std::nullopt) << c.what;
    }
}

TEST(HeaderWidthArchive, AMismatchLeavesTheWidthsUnreadForWhatFollows)
{
    Archive archive;
    StoreHeaderWidths(archive, {10, 20});
    archive.WriteInt32(99);
    Archive loading(archive.Bytes());
    EXPECT_EQ(LoadHeaderWidths(loading, 3), std::nullopt);
    EXPECT_EQ(loading.ReadInt32(), 10);
}

TEST(HeaderWidthArchive, AnEmptyHeaderRoundTrips)
{
    Archive archive;
    StoreHeaderWidths(archive, {});
    Archive loading(archive.Bytes());
    EXPECT_EQ(LoadHeaderWidths(loading, 0), std::vector<int>{});
    EXPECT_EQ(loading.ReadInt32(), std::nullopt);
}

} // namespace
} // namespace fennick
