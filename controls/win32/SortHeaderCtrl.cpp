#include "controls/win32/SortHeaderCtrl.h"

#include <commctrl.h>

#include <vector>

#include "controls/portable/HeaderItemGeometry.h"
#include "controls/portable/HeaderWidthArchive.h"
#include "framework/win32/GdiHandles.h"

namespace fennick {

namespace {

constexpr int kMaxItemText = 255;

UINT TextFlags(int itemFormat)
{
    UINT flags = DT_SINGLELINE | DT_NOPREFIX | DT_NOCLIP | DT_VCENTER | DT_END_ELLIPSIS;
    if (itemFormat & HDF_CENTER)
        flags |= DT_CENTER;
    else if (itemFormat & HDF_RIGHT)
        flags |= DT_RIGHT;
    return flags;
}

// A one-pixel polyline in a system colour; like LineTo it leaves out its last point.
void DrawStroke(HDC dc, int systemColor, const std::vector<PixelPoint>& points)
{
    std::vector<POINT> vertices;
    vertices.reserve(points.size());
    for (const PixelPoint& point : points)
        vertices.push_back({point.x, point.y});
    const OwnedPen pen(CreatePen(PS_SOLID, 1, GetSysColor(systemColor)));
    const GdiSelection selected(dc, pen.get());
    Polyline(dc, vertices.data(), static_cast<int>(vertices.size()));
}

} // namespace

void SortHeaderCtrl::SetSortArrow(int column, bool ascending)
{
    sortColumn_ = column;
    ascending_ = ascending;
    HDITEMW item{};
    item.mask = HDI_FORMAT;
    if (Send(HDM_GETITEMW, static_cast<WPARAM>(column), reinterpret_cast<LPARAM>(&item))) {
        item.fmt |= HDF_OWNERDRAW;
        Send(HDM_SETITEMW, static_cast<WPARAM>(column), reinterpret_cast<LPARAM>(&item));
    }
    InvalidateRect(Handle(), nullptr, TRUE);
}

bool SortHeaderCtrl::OnReflectedMessage(UINT message, WPARAM, LPARAM lParam, LRESULT& result)
{
    if (message != WM_DRAWITEM)
        return false;
    DrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
    result = TRUE;
    return true;
}

void SortHeaderCtrl::DrawItem(const DRAWITEMSTRUCT& drawItem) const
{
    HDC dc = drawItem.hDC;
    const int savedState = SaveDC(dc);
    const RECT& itemRect = drawItem.rcItem;
    // The device context keeps a copy of the region.
    SelectClipRgn(dc, OwnedRegion(CreateRectRgnIndirect(&itemRect)).get());
    FillRect(dc, &itemRect, GetSysColorBrush(COLOR_BTNFACE));

    wchar_t text[kMaxItemText + 1] = {};
    HDITEMW item{};
    item.mask = HDI_TEXT | HDI_FORMAT;
    item.pszText = text;
    item.cchTextMax = kMaxItemText + 1;
    Send(HDM_GETITEMW, drawItem.itemID, reinterpret_cast<LPARAM>(&item));

    const PixelRect bounds{itemRect.left, itemRect.top, itemRect.right, itemRect.bottom};
    const bool sortColumn = static_cast<int>(drawItem.itemID) == sortColumn_;
    const HeaderLabel label = LayOutHeaderLabel(bounds, sortColumn, (drawItem.itemState & ODS_SELECTED) != 0);
    if (label.showsText) {
        RECT labelRect{label.rect.left, label.rect.top, label.rect.right, label.rect.bottom};
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
        DrawTextW(dc, text, -1, &labelRect, TextFlags(item.fmt));
    }
    if (sortColumn) {
        const SortArrowStrokes arrow = SortArrowPolylines(bounds, ascending_);
        DrawStroke(dc, COLOR_BTNHIGHLIGHT, arrow.light);
        DrawStroke(dc, COLOR_BTNSHADOW, arrow.shadow);
    }
    RestoreDC(dc, savedState);
}

void SortHeaderCtrl::Serialize(Archive& archive)
{
    const int count = ItemCount();
    if (archive.IsStoring()) {
        if (count < 0)
            return;
        std::vector<int> widths;
        for (int i = 0; i < count; ++i)
            widths.push_back(ItemWidth(i));
        StoreHeaderWidths(archive, widths);
        return;
    }
    if (const auto widths = LoadHeaderWidths(archive, count)) {
        for (int i = 0; i < count; ++i)
            SetItemWidth(i, (*widths)[static_cast<size_t>(i)]);
    }
}

int SortHeaderCtrl::ItemCount() const
{
    return static_cast<int>(Send(HDM_GETITEMCOUNT));
}

int SortHeaderCtrl::ItemWidth(int index) const
{
    HDITEMW item{};
    item.mask = HDI_WIDTH;
    Send(HDM_GETITEMW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
    return item.cxy;
}

void SortHeaderCtrl::SetItemWidth(int index, int width)
{
    HDITEMW item{};
    item.mask = HDI_WIDTH;
    item.cxy = width;
    Send(HDM_SETITEMW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
}

} // namespace fennick
