#include "markup/win32/GdiSurface.h"

#include <gtest/gtest.h>

#include <windows.h>

namespace fennick {
namespace {

TEST(GdiSurfaceTest, MeasuresWithKeptStyleFontsAndGivesTheContextBackAsItWas)
{
    const HDC dc = CreateCompatibleDC(nullptr);
    const HGDIOBJ original = GetCurrentObject(dc, OBJ_FONT);
    SetTextColor(dc, RGB(1, 2, 3));
    SetBkMode(dc, OPAQUE);
    DrawManager drawing;
    SurfaceCache cache;
    HGDIOBJ first = nullptr;
    HGDIOBJ second = nullptr;
    MarkupStyle style;
    style.fontSize = 20;
    style.italic = style.underline = true;
    style.fontFamily = L"Arial";
    {
        GdiSurface surface(dc, drawing, cache);
        surface.SelectStyleFont(style);
        surface.SetTextColors(RGB(9, 9, 9), BackMode::Transparent, 0);
        first = GetCurrentObject(dc, OBJ_FONT);
        LOGFONTW selected{};
        ASSERT_NE(GetObjectW(first, sizeof selected, &selected), 0);
        EXPECT_TRUE(selected.lfHeight == 20 && selected.lfItalic && selected.lfUnderline && !selected.lfStrikeOut);
        EXPECT_STREQ(selected.lfFaceName, L"Arial");
        const std::wstring text = L"마크업 label";
        SIZE expected{};
        GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &expected);
        EXPECT_EQ(surface.TextExtent(text), (PixelSize{expected.cx, expected.cy}));
        SIZE front{};
        GetTextExtentPoint32W(dc, text.c_str(), 3, &front);
        const TextFit fit = surface.FitText(text, front.cx);
        EXPECT_EQ(std::pair(fit.count, fit.width), std::pair(std::size_t{3}, static_cast<int>(front.cx)));
        TEXTMETRICW metrics{};
        GetTextMetricsW(dc, &metrics);
        EXPECT_EQ(std::pair(surface.TextMetrics().ascent, surface.TextMetrics().descent),
                  std::pair(static_cast<int>(metrics.tmAscent), static_cast<int>(metrics.tmDescent)));
        style.fontSize = 30;
        surface.SelectStyleFont(style);
        second = GetCurrentObject(dc, OBJ_FONT);
        EXPECT_NE(second, first);
        style.fontSize = 20;
        surface.SelectStyleFont(style);
        EXPECT_EQ(GetCurrentObject(dc, OBJ_FONT), first) << "a font made once is used again";
    }
    EXPECT_EQ(GetCurrentObject(dc, OBJ_FONT), original);
    EXPECT_EQ(std::pair(GetTextColor(dc), GetBkMode(dc)), std::pair(RGB(1, 2, 3), OPAQUE));

    // The fonts outlive the surface until a pass between MarkUnused and ForgetUnused leaves them
    // unused.
    cache.fonts.MarkUnused();
    {
        GdiSurface next(dc, drawing, cache);
        next.SelectStyleFont(style);
        EXPECT_EQ(GetCurrentObject(dc, OBJ_FONT), first) << "the next pass finds the font kept";
    }
    cache.fonts.ForgetUnused();
    EXPECT_NE(GetObjectType(first), 0u);
    EXPECT_EQ(GetObjectType(second), 0u) << "a font the pass did not use goes";
    style.fontSize = 100000;
    EXPECT_EQ(StyleLogFont(style).lfHeight, kMaxFontHeight);
    DeleteDC(dc);
}

} // namespace
} // namespace fennick
