#include <gtest/gtest.h>

#include "controls/portable/HeaderItemGeometry.h"

namespace fennick {

void PrintTo(const PixelPoint& point, std::ostream* out)
{
    *out << '(' << point.x << ", " << point.y << ')';
}

void PrintTo(const PixelRect& rect, std::ostream* out)
{
    *out << '{' << rect.left << ", " << rect.top << ", " << rect.right << ", " << rect.bottom << '}';
}

namespace {

constexpr int R = 300;
constexpr PixelRect kItem20High{200, 0, R, 20}; // margin o = 5

TEST(HeaderLabel, KeepsAQuarterOfTheHeightFreeOnBothSidesAndRoomForTheArrow)
{
    EXPECT_EQ(HeaderItemMargin(PixelRect{0, 0, 50, 23}), 5); // truncated
    const struct {
        bool sortColumn;
        bool pressed;
        PixelRect label;
    } cases[] = {
        {false, false, {205, 0, R - 5, 20}},
        {true, false, {205, 0, R - 20, 20}},
        {false, true, {206, 2, R - 4, 20}}, // pressed: the text moves, the bottom stays
        {true, true, {206, 2, R - 19, 20}},
    };
    for (const auto& c : cases) {
        const HeaderLabel label = LayOutHeaderLabel(kItem20High, c.sortColumn, c.pressed);
        EXPECT_EQ(label.rect, c.label) << "sort " << c.sortColumn << ", pressed " << c.pressed;
        EXPECT_TRUE(label.showsText);
    }
}

TEST(HeaderLabel, NarrowItemsShowNoText)
{
    // The sort column needs more than 5·o, the others more than 2·o.
    const struct {
        int width;
        bool sortColumn;
        bool showsText;
    } cases[] = {{25, true, false}, {26, true, true}, {10, false, false}, {11, false, true}};
    for (const auto& c : cases) {
        for (const bool pressed : {false, true}) {
            EXPECT_EQ(LayOutHeaderLabel({40, 0, 40 + c.width, 20}, c.sortColumn, pressed).showsText, c.showsText)
                << "width " << c.width << ", sort " << c.sortColumn << ", pressed " << pressed;
        }
    }
}

TEST(SortArrow, CornersFollowTheItemsRightAndBottomEdges)
{
    const SortArrowStrokes up = SortArrowPolylines(kItem20High, true);
    EXPECT_EQ(up.light, (std::vector<PixelPoint>{{R - 10, 5}, {R - 5, 14}, {R - 17, 14}}));
    EXPECT_EQ(up.shadow, (std::vector<PixelPoint>{{R - 16, 14}, {R - 10, 4}}));

    const SortArrowStrokes down = SortArrowPolylines(kItem20High, false);
    EXPECT_EQ(down.light, (std::vector<PixelPoint>{{R - 6, 5}, {R - 11, 15}}));
    EXPECT_EQ(down.shadow, (std::vector<PixelPoint>{{R - 12, 15}, {R - 16, 5}, {R - 6, 5}}));
}

} // namespace
} // namespace fennick
