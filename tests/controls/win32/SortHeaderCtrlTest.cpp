#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <vector>

#include "tests/controls/win32/ControlsProbeDialog.h"
#include "tests/controls/win32/WindowPixels.h"

namespace fennick {
namespace {

using testing::ClickHeaderItem;
using testing::HeaderItemRect;
using testing::ControlsProbeDialog;
using testing::RunProbe;
using testing::WindowPixels;

const COLORREF kFace = GetSysColor(COLOR_BTNFACE);
const COLORREF kLight = GetSysColor(COLOR_BTNHIGHLIGHT);
const COLORREF kShadow = GetSysColor(COLOR_BTNSHADOW);

int Area(const RECT& area)
{
    return (area.right - area.left) * (area.bottom - area.top);
}

// With o a quarter of the item's height, R its right and B its bottom edge: the flat side runs
// from R - 3o to R - o (lit at the bottom pointing up, in shadow at the top pointing down);
// between base and tip the left edge is in shadow and the right edge lit; around it the face.
void ExpectArrow(const WindowPixels& pixels, const RECT& item, bool ascending)
{
    const int o = (item.bottom - item.top) / 4;
    const int r = item.right;
    const int b = item.bottom;
    ASSERT_GE(o, 3) << "header too low to tell the arrow's edges apart";
    const int baseY = ascending ? b - o - 1 : o;
    for (int x = r - 3 * o; x <= r - o - 2; ++x)
        EXPECT_EQ(pixels.At(x, baseY), ascending ? kLight : kShadow) << "base at R - " << r - x;
    for (int y = o + 2; y < b - o - 1; ++y) {
        std::vector<int> edges;
        for (int x = r - 3 * o - 2; x < r; ++x) {
            if (pixels.At(x, y) != kFace)
                edges.push_back(x);
        }
        ASSERT_GE(edges.size(), 2u) << "row " << y;
        EXPECT_EQ(pixels.At(edges.front(), y), kShadow) << "row " << y;
        EXPECT_EQ(pixels.At(edges.back(), y), kLight) << "row " << y;
    }
    const RECT above{r - 3 * o - 2, item.top, r, o - 1};
    const RECT below{r - 3 * o - 2, b - o + 1, r, b};
    const RECT right{r - o + 1, item.top, r, b};
    for (const RECT& area : {above, below, right})
        EXPECT_EQ(pixels.Count(kFace, area), Area(area)) << "around the arrow, rows " << area.top << ".." << area.bottom;
}

TEST(SortHeaderCtrl, DrawsTheEngravedArrowWhereTheSortColumnEnds)
{
    RunProbe([](ControlsProbeDialog& dialog) {
        HWND header = dialog.list.Header().Handle();
        ClickHeaderItem(header, 0);
        ExpectArrow(WindowPixels(header), HeaderItemRect(header, 0), true);
        ClickHeaderItem(header, 0);
        ExpectArrow(WindowPixels(header), HeaderItemRect(header, 0), false);

        // The sort moves on: the old column is still drawn here, but without an arrow.
        ClickHeaderItem(header, 1);
        const WindowPixels pixels(header);
        ExpectArrow(pixels, HeaderItemRect(header, 1), true);
        RECT formerArrow = HeaderItemRect(header, 0);
        formerArrow.left = formerArrow.right - 3 * ((formerArrow.bottom - formerArrow.top) / 4) - 2;
        EXPECT_EQ(pixels.Count(kFace, formerArrow), Area(formerArrow));
    });
}

TEST(SortHeaderCtrl, ANarrowSortColumnShowsOnlyTheFaceAndTheArrow)
{
    RunProbe([](ControlsProbeDialog& dialog) {
        HWND header = dialog.list.Header().Handle();
        const int o = (HeaderItemRect(header, 0).bottom - HeaderItemRect(header, 0).top) / 4;
        for (const int width : {5 * o, 5 * o + 12}) {
            dialog.list.Send(LVM_SETCOLUMNWIDTH, 0, width);
            dialog.list.SortByColumn(0, true);
            const RECT item = HeaderItemRect(header, 0);
            const WindowPixels pixels(header);
            const int faceAndArrow = pixels.Count(kFace, item) + pixels.Count(kLight, item) + pixels.Count(kShadow, item);
            EXPECT_EQ(faceAndArrow == Area(item), width == 5 * o) << "width " << width;
        }
    });
}

} // namespace
} // namespace fennick
