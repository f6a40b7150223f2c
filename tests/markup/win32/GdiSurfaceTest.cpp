#include "markup/win32/GdiSurface.h"
#include "markup/portable/LineBreaker.h"
#include "markup/portable/StyleParser.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <string>

namespace fennick {
namespace {

class GdiSurfaceTest : public testing::Test {
protected:
    void SetUp() override
    {
        dc = CreateCompatibleDC(nullptr);
        ASSERT_NE(dc, nullptr);
        style.fontSize = 20;
        style.fontWeight = 700;
        style.italic = true;
        style.underline = true;
        style.fontFamily = L"Arial";
    }

    void TearDown() override { DeleteDC(dc); }

    // The same font made by hand, on a DC of its own.
    HFONT ReferenceFont() const
    {
        LOGFONTW font{};
        font.lfHeight = 20;
        font.lfWeight = 700;
        font.lfItalic = TRUE;
        font.lfUnderline = TRUE;
        font.lfCharSet = DEFAULT_CHARSET;
        wcscpy_s(font.lfFaceName, L"Arial");
        return CreateFontIndirectW(&font);
    }

    HDC dc = nullptr;
    MarkupStyle style;
};

TEST_F(GdiSurfaceTest, SelectsTheFontOfTheStyle)
{
    GdiSurface surface(dc);
    surface.SelectStyleFont(style);
    LOGFONTW selected{};
    ASSERT_NE(GetObjectW(GetCurrentObject(dc, OBJ_FONT), sizeof selected, &selected), 0);
    EXPECT_EQ(selected.lfHeight, 20);
    EXPECT_EQ(selected.lfWeight, 700);
    EXPECT_TRUE(selected.lfItalic);
    EXPECT_TRUE(selected.lfUnderline);
    EXPECT_FALSE(selected.lfStrikeOut);
    EXPECT_EQ(selected.lfCharSet, DEFAULT_CHARSET);
    EXPECT_STREQ(selected.lfFaceName, L"Arial");
}

TEST_F(GdiSurfaceTest, MeasuresLikeGdi)
{
    HDC referenceDc = CreateCompatibleDC(nullptr);
    HFONT reference = ReferenceFont();
    HGDIOBJ old = SelectObject(referenceDc, reference);
    GdiSurface surface(dc);
    surface.SelectStyleFont(style);
    for (const std::wstring text : {L"x", L"Hello, world", L"마크업 레이블", L""}) {
        SIZE expected{};
        GetTextExtentPoint32W(referenceDc, text.c_str(), static_cast<int>(text.size()), &expected);
        const TextSize measured = surface.TextExtent(text);
        EXPECT_EQ(measured.width, expected.cx);
        EXPECT_EQ(measured.height, expected.cy);
    }
    TEXTMETRICW expected{};
    GetTextMetricsW(referenceDc, &expected);
    const FontMetrics metrics = surface.TextMetrics();
    EXPECT_EQ(metrics.height, expected.tmHeight);
    EXPECT_EQ(metrics.ascent, expected.tmAscent);
    EXPECT_EQ(metrics.descent, expected.tmDescent);
    EXPECT_EQ(surface.DotsPerInchY(), GetDeviceCaps(referenceDc, LOGPIXELSY));
    SelectObject(referenceDc, old);
    DeleteObject(reference);
    DeleteDC(referenceDc);
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

TEST_F(GdiSurfaceTest, UnitsAndLineBreaksUseTheDeviceContext)
{
    GdiSurface surface(dc);
    surface.SelectStyleFont(style);
    ColorScheme colors;
    const StyleParser parser(colors, surface);
    const int dots = GetDeviceCaps(dc, LOGPIXELSY);
    EXPECT_EQ(parser.ParseLength(L"12pt", 0, false), 12 * dots / 72);
    EXPECT_EQ(parser.ParseLength(L"2em", 0, false), 2 * surface.TextMetrics().height);

    std::wstring run = L"hello world again";
    const int fitsTwoWords = surface.TextExtent(L"hello world").width + 1;
    int space = fitsTwoWords;
    const std::wstring piece = BreakLine(surface, run, 1000, space);
    EXPECT_EQ(piece, L"hello world");
    EXPECT_EQ(run, L"again");
    EXPECT_EQ(space, surface.TextExtent(L"hello world").width);
}

} // namespace
} // namespace fennick
