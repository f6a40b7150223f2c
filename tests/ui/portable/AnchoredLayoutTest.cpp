#include <gtest/gtest.h>

#include "ui/portable/AnchoredLayout.h"

namespace fennick {
namespace {

TEST(AnchoredLayout, EachControlTakesItsShareOfTheChangeWithMatchingFlags)
{
    struct Case {
        AnchorFactors factors;
        PixelRect afterWiderBy40TallerBy30;
        unsigned flags;
    };
    const Case cases[] = {
        {{0, 0, 1, 1}, {10, 20, 150, 100}, PlaceNoZOrder | PlaceNoMove},
        {{1, 0, 0, 1}, {50, 20, 150, 100}, PlaceNoZOrder},
        {{0, 1, 1, 0}, {10, 50, 150, 100}, PlaceNoZOrder},
        {{1, 1, 0, 0}, {50, 50, 150, 100}, PlaceNoZOrder | PlaceNoSize},
        {{0, 0, 0, 0}, {10, 20, 110, 70}, PlaceNoZOrder | PlaceNoMove | PlaceNoSize},
        {{1, 1, 1, 0}, {50, 50, 190, 100}, PlaceNoZOrder},
    };
    for (size_t i = 0; i < std::size(cases); ++i) {
        AnchoredLayout<int> layout;
        layout.Start(300, 200);
        layout.Add(7, cases[i].factors, {10.0, 20.0, 100.0, 50.0});
        const auto& entries = layout.Resize(340, 230);
        ASSERT_EQ(entries.size(), 1u);
        EXPECT_EQ(entries[0].control, 7);
        EXPECT_EQ(Truncated(entries[0].rect), cases[i].afterWiderBy40TallerBy30) << "case " << i;
        EXPECT_EQ(PlacementFlags(cases[i].factors), cases[i].flags) << "case " << i;
    }
}

TEST(AnchoredLayout, FractionsKeepTheirHalfPixelsAndTruncateTowardZeroPastTheOrigin)
{
    AnchoredLayout<int> layout;
    layout.Start(200, 100);
    layout.Add(0, {0.5, 0, 0.5, 0}, {0, 0, 10, 10});
    layout.Add(1, {1, 1, 0.5, 1}, {150.0, 60.0, 40.0, 30.0});

    EXPECT_EQ(Truncated(layout.Resize(203, 100)[0].rect), (PixelRect{1, 0, 12, 10}));
    EXPECT_EQ(Truncated(layout.Resize(206, 100)[0].rect), (PixelRect{3, 0, 16, 10}));
    EXPECT_EQ(Truncated(layout.Resize(0, 0)[1].rect), (PixelRect{-50, -40, -110, -110}));
    EXPECT_EQ(Truncated(AnchoredRect{-0.5, -1.5, 2.9, -2.9}), (PixelRect{0, -1, 2, -3}));
}

} // namespace
} // namespace fennick
