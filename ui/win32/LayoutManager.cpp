#include "ui/win32/LayoutManager.h"

namespace fennick {

static_assert(PlaceNoSize == SWP_NOSIZE && PlaceNoMove == SWP_NOMOVE && PlaceNoZOrder == SWP_NOZORDER);

bool LayoutManager::AttachParent(HWND parent)
{
    if (parent == nullptr || !IsWindow(parent))
        return false;
    if (parent_ != nullptr)
        layout_.Clear();
    RECT client{};
    GetClientRect(parent, &client);
    if (client.right - client.left < 1 && client.bottom - client.top < 1)
        return false;
    parent_ = parent;
    layout_.Start(client.right - client.left, client.bottom - client.top);
    return true;
}

bool LayoutManager::AddControl(int id, double moveX, double moveY, double growX, double growY)
{
    if (parent_ == nullptr || !IsWindow(parent_))
        return false;
    HWND control = GetDlgItem(parent_, id);
    if (control == nullptr || !IsWindow(control))
        return false;
    RECT bounds{};
    GetWindowRect(control, &bounds);
    MapWindowPoints(nullptr, parent_, reinterpret_cast<POINT*>(&bounds), 2);
    layout_.Add(control, AnchorFactors{moveX, moveY, growX, growY},
                AnchoredRect{static_cast<double>(bounds.left), static_cast<double>(bounds.top),
                             static_cast<double>(bounds.right - bounds.left),
                             static_cast<double>(bounds.bottom - bounds.top)});
    return true;
}

void LayoutManager::OnParentSize(int width, int height)
{
    if (parent_ == nullptr)
        return;
    const auto& entries = layout_.Resize(width, height);
    for (const auto& entry : entries) {
        const PixelRect placed = Truncated(entry.rect);
        SetWindowPos(entry.control, nullptr, placed.left, placed.top, placed.Width(), placed.Height(),
                     PlacementFlags(entry.factors));
    }
    // Redrawn at once, after all have moved, so no control paints over a neighbour's old place.
    for (const auto& entry : entries)
        RedrawWindow(entry.control, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

} // namespace fennick
