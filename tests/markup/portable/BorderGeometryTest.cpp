#include "markup/portable/BorderGeometry.h"

#include "markup/portable/BackgroundEffect.h"

#include "tests/markup/portable/GeometryPrinters.h"

#include <gtest/gtest.h>

namespace fennick {
namespace {

TEST(BorderGeometry, PenPatternsAndWhatDrawsAtAll)
{
    EXPECT_EQ(PenDashOf(BorderSolid), PenDash::Solid);
    EXPECT_EQ(PenDashOf(BorderDashed), PenDash::Dash);
    EXPECT_EQ(PenDashOf(BorderDotted), PenDash::Dot);
    EXPECT_EQ(PenDashOf(BorderDashDot), PenDash::DashDot);
    EXPECT_EQ(PenDashOf(BorderDashDotDot), PenDash::DashDotDot);
    EXPECT_EQ(PenDashOf(BorderDouble), PenDash::Solid);
    EXPECT_EQ(PenDashOf(42), PenDash::Solid);
    EXPECT_FALSE(DrawsBorder(BorderNone, 3));
    EXPECT_FALSE(DrawsBorder(BorderSolid, 0));
    EXPECT_FALSE(DrawsBorder(BorderDouble, -1));
    EXPECT_TRUE(DrawsBorder(BorderDotted, 1));
}

TEST(BorderGeometry, LinesSitHalfAPenInsideLightUpAndLeftDarkDownAndRight)
{
    const BorderStrokes strokes = BorderRectStrokes({10, 20, 50, 60}, BorderSolid, 5);
    ASSERT_EQ(strokes.light.size(), 1u);
    ASSERT_EQ(strokes.dark.size(), 1u);
    EXPECT_EQ(strokes.light[0], (BorderStroke{{12, 58}, {12, 22}, {48, 22}}));
    EXPECT_EQ(strokes.dark[0], (BorderStroke{{48, 22}, {48, 58}, {12, 58}}));
}

TEST(BorderGeometry, DoubleBorderRepeatsTwoPenWidthsInside)
{
    const BorderStrokes strokes = BorderRectStrokes({0, 0, 30, 20}, BorderDouble, 1);
    ASSERT_EQ(strokes.light.size(), 2u);
    ASSERT_EQ(strokes.dark.size(), 2u);
    EXPECT_EQ(strokes.light[1], (BorderStroke{{2, 18}, {2, 2}, {28, 2}}));
    EXPECT_EQ(strokes.dark[1], (BorderStroke{{28, 2}, {28, 18}, {2, 18}}));
}

TEST(LineGeometry, DoubleLinesHaveATwinBelowRightOrBoth)
{
    using Segments = std::vector<LineSegment>;
    EXPECT_EQ(LineSegments({0, 5}, {40, 5}, BorderSolid, 2), (Segments{{{0, 5}, {40, 5}}}));
    EXPECT_EQ(LineSegments({0, 5}, {40, 5}, BorderDouble, 2), (Segments{{{0, 5}, {40, 5}}, {{0, 9}, {40, 9}}}));
    EXPECT_EQ(LineSegments({7, 0}, {7, 30}, BorderDouble, 1), (Segments{{{7, 0}, {7, 30}}, {{9, 0}, {9, 30}}}));
    EXPECT_EQ(LineSegments({0, 0}, {10, 10}, BorderDouble, 1), (Segments{{{0, 0}, {10, 10}}, {{2, 2}, {12, 12}}}));
}

} // namespace
} // namespace fennick
