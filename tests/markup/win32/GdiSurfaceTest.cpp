#include "markup/win32/GdiSurface.h"

#include <gtest/gtest.h>

#include <windows.h>

namespace fennick {
namespace {

class GdiSurfaceTest : public testing::Test {
protected:
    GdiSurfaceTest()
    {
        style.fontSize = 20;
        style.fontWeight = 700;
        style.italic = true;
        style.underline = true;
        style.fontFamily = L"Arial";
    }
    ~GdiSurfaceTest() override { DeleteDC(dc); }

    HDC dc = CreateCompatibleDC(nullptr);
    MarkupStyle style;
};

TEST_F(GdiSurfaceTest, SelectsTheFontOfTheStyleAndMeasuresWithIt)
{
    GdiSurface surface(dc);
    surface.SelectStyleFont(style);
    LOGFONTW selected{};
    ASSERT_NE(GetObjectW(GetCurrentObject(dc, OBJ_FONT), sizeof selected, &selected), 0);
    EXPECT_EQ(selected.lfHeight, 20);
    EXPECT_EQ(selected.lfWeight, 700);
    EXPECT_TRUE(selected.lfItalic && selected.lfUnderline && !selected.lfStrikeOut);
    EXPECT_EQ(selected.lfCharSet, DEFAULT_CHARSET);
    EXPECT_STREQ(selected.lfFaceName, L"Arial");

    const std::wstring text = L"마크업 label";
    SIZE expected{};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &expected);
    EXPECT_EQ(surface.TextExtent(text).width, expected.cx);
    EXPECT_EQ(surface.TextExtent(text).height, expected.cy);
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    EXPECT_EQ(surface.TextMetrics().ascent, metrics.tmAscent);
    EXPECT_EQ(surface.TextMetrics().descent, metrics.tmDescent);
}

TEST_F(GdiSurfaceTest, GivesTheOriginalFontBackAndDeletesItsOwn)
{
    const HGDIOBJ original = GetCurrentObject(dc, OBJ_FONT);
    HGDIOBJ made = nullptr;
    {
        GdiSurface surface(dc);
        surface.SelectStyleFont(style);
        const HGDIOBJ first = GetCurrentObject(dc, OBJ_FONT);
        style.fontSize = 30;
        surface.SelectStyleFont(style);
        made = GetCurrentObject(dc, OBJ_FONT);
        EXPECT_NE(made, first);
        EXPECT_EQ(GetObjectType(first), 0u);
    }
    EXPECT_EQ(GetCurrentObject(dc, OBJ_FONT), original);
    EXPECT_EQ(GetObjectType(made), 0u);
}

} // namespace
} // namespace fennick
