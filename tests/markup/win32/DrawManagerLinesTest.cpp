#include "markup/portable/BackgroundEffect.h"
#include "markup/win32/DrawManager.h"
#include "tests/markup/win32/Canvas.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace fennick {
namespace {

constexpr COLORREF Paper = RGB(255, 255, 255);
constexpr COLORREF Light = RGB(255, 0, 0);
constexpr COLORREF Dark = RGB(0, 0, 255);

class Borders : public ::testing::Test {
protected:
    // The pixels from (x, y) on, along a row or a column: 'L' light, 'D' dark, '.' paper.
    std::string Trace(int x, int y, int count, bool down = false) const
    {
        std::string text;
        for (int i = 0; i < count; ++i) {
            const COLORREF c = canvas.At(down ? x : x + i, down ? y + i : y);
            text += c == Light ? 'L' : c == Dark ? 'D' : c == Paper ? '.' : '?';
        }
        return text;
    }
    std::string Row(int y, int x, int count) const { return Trace(x, y, count); }
    std::string Column(int x, int y, int count) const { return Trace(x, y, count, true); }

    Canvas canvas{60, 50, Paper};
    DrawManager manager;
};

TEST_F(Borders, LightGoesTopAndLeftDarkBottomAndRightDoubleTwoPensInside)
{
    manager.DrawBorderRect(canvas.DC(), {10, 10, 40, 30}, Light, Dark, BorderSolid, 1);
    EXPECT_EQ(Row(20, 8, 35), "..L" + std::string(29, '.') + "D..");
    EXPECT_EQ(Column(25, 8, 25), "..L" + std::string(19, '.') + "D..");
    EXPECT_EQ(Row(10, 10, 31), std::string(30, 'L') + "D") << "the right edge starts at the top";
    canvas.Clear(Paper);
    manager.DrawBorderRect(canvas.DC(), {10, 10, 40, 30}, Light, Dark, BorderDouble, 1);
    EXPECT_EQ(Row(20, 9, 33), ".L.L" + std::string(25, '.') + "D.D.");
    EXPECT_EQ(Column(25, 9, 23), ".L.L" + std::string(15, '.') + "D.D.");
    canvas.Clear(Paper);
    manager.DrawBorderRect(canvas.DC(), {10, 10, 40, 30}, Light, Dark, BorderSolid, 3);
    EXPECT_EQ(Row(20, 8, 34), "..LLL" + std::string(25, '.') + "DDD.") << "wide pens sit half a pen inside";
}

TEST_F(Borders, DashedStylesBreakTheLineEachInItsOwnPattern)
{
    std::set<std::string> patterns;
    for (const int style : {BorderDashed, BorderDotted, BorderDashDot, BorderDashDotDot}) {
        canvas.Clear(Paper);
        manager.DrawBorderRect(canvas.DC(), {2, 2, 58, 40}, Light, Light, style, 1);
        const std::string top = Row(2, 2, 56);
        EXPECT_NE(top.find('L'), std::string::npos) << style;
        EXPECT_NE(top.find('.'), std::string::npos) << style;
        patterns.insert(top);
    }
    EXPECT_EQ(patterns.size(), 4u);
}

TEST_F(Borders, DoubleLinesHaveTheirTwinBelowOrToTheRightAndNoStyleDrawsNothing)
{
    manager.DrawLine(canvas.DC(), 5, 5, 45, 5, Light, BorderDouble, 1);
    EXPECT_EQ(Column(20, 4, 5), ".L.L.");
    manager.DrawLine(canvas.DC(), 50, 10, 50, 40, Dark, BorderDouble, 1);
    EXPECT_EQ(Row(20, 49, 5), ".D.D.");
    manager.DrawLine(canvas.DC(), 5, 30, 45, 40, Dark, BorderDouble, 1);
    EXPECT_EQ(canvas.At(7, 32), Dark) << "a slanted twin moves down and right";
    canvas.Clear(Paper);
    manager.DrawBorderRect(canvas.DC(), {10, 10, 40, 30}, Light, Dark, BorderNone, 2);
    manager.DrawBorderRect(canvas.DC(), {10, 10, 40, 30}, Light, Dark, BorderSolid, 0);
    manager.DrawLine(canvas.DC(), 0, 5, 50, 5, Light, BorderNone, 1);
    manager.DrawLine(canvas.DC(), 0, 5, 50, 5, Light, BorderDouble, -2);
    EXPECT_TRUE(canvas.Unchanged(Paper));
}

} // namespace
} // namespace fennick
