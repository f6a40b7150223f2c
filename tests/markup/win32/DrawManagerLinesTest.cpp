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

// 'L' light, 'D' dark, '.' paper.
char Key(COLORREF color)
{
    return color == Light ? 'L' : color == Dark ? 'D' : color == Paper ? '.' : '?';
}

class Borders : public ::testing::Test {
protected:
    std::string RowAt(int y, int fromX, int toX) const { return canvas.Row(y, fromX, toX, Key); }
    std::string ColumnAt(int x, int fromY, int toY) const
    {
        std::string text;
        for (int y = fromY; y < toY; ++y) {
            text += Key(canvas.At(x, y));
        }
        return text;
    }

    Canvas canvas{60, 50, Paper};
    DrawManager manager;
};

TEST_F(Borders, SolidLightTopLeftAndDarkBottomRight)
{
    manager.DrawBorderRect(canvas.DC(), {10, 10, 40, 30}, Light, Dark, BorderSolid, 1);
    EXPECT_EQ(RowAt(20, 8, 43), "..L" + std::string(29, '.') + "D..");
    EXPECT_EQ(ColumnAt(25, 8, 33), "..L" + std::string(19, '.') + "D..");
    EXPECT_EQ(RowAt(10, 10, 41), std::string(30, 'L') + "D") << "the right edge starts at the top";
}

TEST_F(Borders, DoubleBorderDrawsInnerLinesTwoPenWidthsInside)
{
    manager.DrawBorderRect(canvas.DC(), {10, 10, 40, 30}, Light, Dark, BorderDouble, 1);
    EXPECT_EQ(RowAt(20, 9, 42), ".L.L" + std::string(25, '.') + "D.D.");
    EXPECT_EQ(ColumnAt(25, 9, 32), ".L.L" + std::string(15, '.') + "D.D.");
}

TEST_F(Borders, WidePensAreCentredHalfAPenInside)
{
    manager.DrawBorderRect(canvas.DC(), {10, 10, 40, 30}, Light, Dark, BorderSolid, 3);
    EXPECT_EQ(RowAt(20, 8, 15), "..LLL..");
    EXPECT_EQ(RowAt(20, 36, 42), "..DDD.");
}

TEST_F(Borders, DashedStylesBreakTheLineEachInItsOwnPattern)
{
    std::set<std::string> patterns;
    for (const int style : {BorderDashed, BorderDotted, BorderDashDot, BorderDashDotDot}) {
        canvas.Clear(Paper);
        manager.DrawBorderRect(canvas.DC(), {2, 2, 58, 40}, Light, Light, style, 1);
        const std::string top = RowAt(2, 2, 58);
        EXPECT_NE(top.find('L'), std::string::npos) << style;
        EXPECT_NE(top.find('.'), std::string::npos) << style;
        patterns.insert(top);
    }
    EXPECT_EQ(patterns.size(), 4u);
}

TEST_F(Borders, NoStyleOrNoWidthDrawsNothing)
{
    manager.DrawBorderRect(canvas.DC(), {10, 10, 40, 30}, Light, Dark, BorderNone, 2);
    manager.DrawBorderRect(canvas.DC(), {10, 10, 40, 30}, Light, Dark, BorderSolid, 0);
    manager.DrawLine(canvas.DC(), 0, 5, 50, 5, Light, BorderNone, 1);
    manager.DrawLine(canvas.DC(), 0, 5, 50, 5, Light, BorderDouble, -2);
    EXPECT_TRUE(canvas.Unchanged(Paper));
}

TEST_F(Borders, DoubleLinesHaveTheirTwinBelowOrToTheRight)
{
    manager.DrawLine(canvas.DC(), 5, 5, 45, 5, Light, BorderDouble, 1);
    EXPECT_EQ(ColumnAt(20, 4, 9), ".L.L.");
    manager.DrawLine(canvas.DC(), 50, 10, 50, 40, Dark, BorderDouble, 1);
    EXPECT_EQ(RowAt(20, 49, 54), ".D.D.");
    manager.DrawLine(canvas.DC(), 5, 20, 45, 20, Dark, BorderSolid, 1);
    EXPECT_EQ(ColumnAt(20, 19, 24), ".D...");
}

} // namespace
} // namespace fennick
