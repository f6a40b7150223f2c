#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "tests/controls/win32/ControlsProbeDialog.h"
#include "tests/controls/win32/WindowPixels.h"

namespace fennick {
namespace {

using testing::ClickHeaderItem;
using testing::ControlsProbeDialog;
using testing::RunProbe;
using testing::WindowPixels;

RECT ItemRect(HWND header, int item)
{
    RECT rect{};
    SendMessageW(header, HDM_GETITEMRECT, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(&rect));
    return rect;
}

struct SystemColors {
    COLORREF face = GetSysColor(COLOR_BTNFACE);
    COLORREF light = GetSysColor(COLOR_BTNHIGHLIGHT);
    COLORREF shadow = GetSysColor(COLOR_BTNSHADOW);
};

// The arrow sits in the last three quarters-of-the-height of the item: lit on its right edge,
// in shadow on its left, with only the face around it. `o` is a quarter of the item's height.
void ExpectArrow(const WindowPixels& pixels, const RECT& item, bool ascending)
{
    const SystemColors colors;
    const int o = (item.bottom - item.top) / 4;
    const int r = item.right;
    const int b = item.bottom;
    ASSERT_GE(o, 3) << "header too low to tell the arrow's edges apart";

    // The flat base: lit along the bottom when pointing up, in shadow along the top when down.
    const int baseY = ascending ? b - o - 1 : o;
    for (int x = r - 3 * o; x <= r - o - 2; ++x)
        EXPECT_EQ(pixels.At(x, baseY), ascending ? colors.light : colors.shadow) << "base x = R - " << r - x;
    // Between base and tip the leftmost edge pixel is shadow and the rightmost is light.
    for (int y = (ascending ? o : o + 1) + 1; y < (ascending ? b - o - 1 : b - o - 1); ++y) {
        int leftmost = -1;
        int rightmost = -1;
        for (int x = r - 3 * o - 2; x < r; ++x) {
            if (pixels.At(x, y) != colors.face) {
                if (leftmost < 0)
                    leftmost = x;
                rightmost = x;
            }
        }
        ASSERT_GE(leftmost, 0) << "no arrow on row " << y;
        EXPECT_EQ(pixels.At(leftmost, y), colors.shadow) << "row " << y;
        EXPECT_EQ(pixels.At(rightmost, y), colors.light) << "row " << y;
    }
    // Nothing of the arrow above its top or below its bottom edge, nor right of it.
    const RECT above{r - 3 * o - 2, item.top, r, o - 1};
    const RECT below{r - 3 * o - 2, b - o + 1, r, b};
    const RECT right{r - o + 1, item.top, r, b};
    for (const RECT& area : {above, below, right}) {
        const int size = (area.right - area.left) * (area.bottom - area.top);
        EXPECT_EQ(pixels.Count(area, colors.face), size)
            << "area " << area.left - r << ".." << area.right - r << " x " << area.top << ".." << area.bottom;
    }
}

TEST(SortHeaderCtrl, DrawsTheEngravedArrowWhereTheSortColumnEnds)
{
    RunProbe([](ControlsProbeDialog& dialog) {
        dialog.list.AddRow({L"a", L"1", L""});
        HWND header = dialog.list.Header().Handle();

        ClickHeaderItem(header, 0);
        ExpectArrow(WindowPixels(header), ItemRect(header, 0), true);
        ClickHeaderItem(header, 0);
        ExpectArrow(WindowPixels(header), ItemRect(header, 0), false);

        // The sort moves on: the old column stays owner-drawn but loses its arrow.
        ClickHeaderItem(header, 1);
        const WindowPixels pixels(header);
        ExpectArrow(pixels, ItemRect(header, 1), true);
        const RECT first = ItemRect(header, 0);
        const int o = (first.bottom - first.top) / 4;
        const RECT formerArrow{first.right - 3 * o - 2, first.top, first.right, first.bottom};
        EXPECT_EQ(pixels.Count(formerArrow, SystemColors{}.face), (3 * o + 2) * (first.bottom - first.top));
    });
}

TEST(SortHeaderCtrl, ANarrowSortColumnShowsOnlyTheFaceAndTheArrow)
{
    RunProbe([](ControlsProbeDialog& dialog) {
        HWND header = dialog.list.Header().Handle();
        const RECT tall = ItemRect(header, 0);
        const int o = (tall.bottom - tall.top) / 4;
        for (const auto& [width, textShown] : {std::pair{5 * o, false}, std::pair{5 * o + 12, true}}) {
            dialog.list.Send(LVM_SETCOLUMNWIDTH, 0, width);
            dialog.list.SortByColumn(0, true);
            const RECT item = ItemRect(header, 0);
            ASSERT_EQ(item.right - item.left, width);
            const WindowPixels pixels(header);
            const SystemColors colors;
            const int area = width * (item.bottom - item.top);
            const int arrowAndFace = pixels.Count(item, colors.face) + pixels.Count(item, colors.light) +
                                     pixels.Count(item, colors.shadow);
            EXPECT_EQ(arrowAndFace == area, !textShown) << "width " << width;
        }
    });
}

TEST(SortHeaderCtrl, StoresAndRestoresTheColumnWidths)
{
    RunProbe([](ControlsProbeDialog& dialog) {
        SortHeaderCtrl& header = dialog.list.Header();
        Archive stored;
        header.Serialize(stored);
        EXPECT_EQ(stored.Bytes(), (std::vector<std::uint8_t>{3, 0, 0, 0, 120, 0, 0, 0, 50, 0, 0, 0, 80, 0, 0, 0}));

        dialog.list.Send(LVM_SETCOLUMNWIDTH, 0, 33);
        dialog.list.Send(LVM_SETCOLUMNWIDTH, 2, 44);
        Archive loading(stored.Bytes());
        header.Serialize(loading);
        for (const auto& [column, width] : {std::pair{0, 120}, std::pair{1, 50}, std::pair{2, 80}})
            EXPECT_EQ(dialog.list.Send(LVM_GETCOLUMNWIDTH, column), width) << "column " << column;

        // Widths stored for another number of columns are left alone.
        Archive twoColumns(std::vector<std::uint8_t>{2, 0, 0, 0, 9, 0, 0, 0, 9, 0, 0, 0});
        header.Serialize(twoColumns);
        EXPECT_EQ(dialog.list.Send(LVM_GETCOLUMNWIDTH, 0), 120);
    });
}

} // namespace
} // namespace fennick
