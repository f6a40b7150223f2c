#include "markup/portable/MarkupDrawer.h"
#include "markup/win32/GdiSurface.h"
#include "markup/win32/Win32PlatformActions.h"
#include "tests/markup/win32/Canvas.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <string>

namespace fennick {
namespace {

constexpr COLORREF White = RGB(255, 255, 255);
constexpr COLORREF Black = RGB(0, 0, 0);

class GdiLayoutTest : public testing::Test {
protected:
    GdiLayoutTest() { drawer.Language().Styles().SetStyleClass(L"body", L"font-family: tahoma; font-size: 16px"); }

    PixelSize Measure(std::wstring_view text)
    {
        GdiSurface surface(canvas.DC(), drawing, cache);
        return drawer.Measure(surface, text);
    }
    void Draw(const PixelRect& rect)
    {
        GdiSurface surface(canvas.DC(), drawing, cache);
        drawer.Draw(surface, rect);
    }
    // The rightmost column of the band of rows that is not white; -1 when all is white.
    int RightmostInk(int top, int bottom) const
    {
        for (int x = 299; x >= 0; --x) {
            for (int y = top; y < bottom; ++y) {
                if (canvas.At(x, y) != White) {
                    return x;
                }
            }
        }
        return -1;
    }

    Canvas canvas{300, 200, White};
    DrawManager drawing;
    SurfaceCache cache;
    Win32PlatformActions actions;
    MarkupDrawer drawer{actions};
};

TEST_F(GdiLayoutTest, AJustifiedLineReachesTheRightEdgeAndItsLastLineDoesNot)
{
    drawer.SetWrapWidth(200);
    const PixelSize size = Measure(L"<justify>lll mmm lll mmm lll mmm lll mmm lll mmm lll mmm lll mmm lll</justify>");
    ASSERT_GE(drawer.Lines().size(), 2u);
    const int lineHeight = drawer.Lines()[0].height;
    Draw({10, 10, 10 + 200, 10 + size.height});
    EXPECT_GE(RightmostInk(10, 10 + lineHeight), 210 - 3);
    EXPECT_LT(RightmostInk(10, 10 + lineHeight), 210);
    const int lastTop = 10 + lineHeight * static_cast<int>(drawer.Lines().size() - 1);
    EXPECT_LT(RightmostInk(lastTop, lastTop + lineHeight), 210 - 20);
}

TEST_F(GdiLayoutTest, TableBordersAndCellBackgroundsLieWhereTheArithmeticPutsThem)
{
    Measure(L"<table border=1 cellspacing=2 cellpadding=3><tr><td bgcolor=#ff0000>a</td><td>b</td></tr></table>");
    Draw({10, 10, 10 + 120, 200});
    const TableLayout& table = drawer.Tables().at(0);
    const int bottom = 10 + 1 + 2 + table.rowHeights[0] + 2 + 1;
    // The 120 pixels less the border, spacings and gap, shared by the two columns.
    const int natural = 1 + 2 + table.columnWidths[0] + 2 + 1 + table.columnWidths[1] + 2 + 1;
    const int firstWidth = table.columnWidths[0] + (120 - natural) / 2;
    // Borders are drawn on a rectangle's right and bottom edges, one pixel past its inside.
    EXPECT_TRUE(canvas.At(10, 15) == Black && canvas.At(10 + 120, 15) == Black && canvas.At(15, bottom) == Black);
    EXPECT_EQ(canvas.At(11, 15), White); // the spacing
    EXPECT_EQ(canvas.At(12, 15), White);
    EXPECT_EQ(canvas.At(13, 15), Black); // the cell's border
    const int cellRight = 13 + firstWidth;
    EXPECT_TRUE(canvas.At(14, 14) == RGB(255, 0, 0) && canvas.At(cellRight - 1, bottom - 4) == RGB(255, 0, 0));
    EXPECT_EQ(canvas.At(cellRight, 14), Black);
    EXPECT_EQ(canvas.At(cellRight + 1, 14), White);
    EXPECT_EQ(canvas.At(15, bottom + 1), White);
}

TEST_F(GdiLayoutTest, ALibraryNamedByTheMarkupIsReadForItsImageWithoutRunningItsCode)
{
    wchar_t folder[MAX_PATH];
    GetTempPathW(MAX_PATH, folder);
    const std::wstring marker = std::wstring(folder) + L"fennick-library-code-ran";
    DeleteFileW(marker.c_str());
    EXPECT_EQ(Measure(L"<bmp iddll=1 srcdll=markup_resource_library.dll>"), (PixelSize{4 + 1, 2 + 1}));
    Draw({0, 0, 10, 10});
    EXPECT_EQ(canvas.At(3, 1), RGB(255, 0, 0));
    EXPECT_EQ(GetFileAttributesW(marker.c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(GetModuleHandleW(L"markup_resource_library.dll"), nullptr) << "freed after loading";
}

} // namespace
} // namespace fennick
