#include "markup/win32/GdiSurface.h"

#include <gtest/gtest.h>

#include <windows.h>

namespace fennick {
namespace {

TEST(GdiSurfaceTest, MeasuresWithTheStyleFontAndGivesTheOriginalFontBack)
{
    const HDC dc = CreateCompatibleDC(nullptr);
    const HGDIOBJ original = GetCurrentObject(dc, OBJ_FONT);
    HGDIOBJ first = nullptr, second = nullptr;
    {
        MarkupStyle style;
        style.fontSize = 20;
        style.italic = style.underline = true;
        style.fontFamily = L"Arial";
        GdiSurface surface(dc);
        surface.SelectStyleFont(style);
        first = GetCurrentObject(dc, OBJ_FONT);
        LOGFONTW selected{};
        ASSERT_NE(GetObjectW(first, sizeof selected, &selected), 0);
        EXPECT_TRUE(selected.lfHeight == 20 && selected.lfItalic && selected.lfUnderline && !selected.lfStrikeOut);
        EXPECT_STREQ(selected.lfFaceName, L"Arial");
        const std::wstring text = L"마크업 label";
        SIZE expected{};
        GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &expected);
        EXPECT_EQ(std::pair(surface.TextExtent(text).width, surface.TextExtent(text).height),
                  std::pair(static_cast<int>(expected.cx), static_cast<int>(expected.cy)));
        TEXTMETRICW metrics{};
        GetTextMetricsW(dc, &metrics);
        EXPECT_EQ(std::pair(surface.TextMetrics().ascent, surface.TextMetrics().descent),
                  std::pair(static_cast<int>(metrics.tmAscent), static_cast<int>(metrics.tmDescent)));
        style.fontSize = 30;
        surface.SelectStyleFont(style);
        second = GetCurrentObject(dc, OBJ_FONT);
        EXPECT_EQ(GetObjectType(first), 0u) << "a replaced font is deleted";
    }
    EXPECT_EQ(GetCurrentObject(dc, OBJ_FONT), original);
    EXPECT_EQ(GetObjectType(second), 0u);
    DeleteDC(dc);
}

} // namespace
} // namespace fennick
