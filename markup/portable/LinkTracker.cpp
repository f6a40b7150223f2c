#include "markup/portable/LinkTracker.h"

#include "markup/portable/AddressOpener.h"

#include <algorithm>

namespace fennick {

LinkTracker::LinkTracker(PlatformActions& actions) : actions_(actions)
{
    ResetLinkCursor();
}

LinkTracker::~LinkTracker()
{
    if (linkCursor_ != nullptr) {
        actions_.DestroyCursor(linkCursor_);
    }
}

const LinkArea* LinkTracker::AreaAt(int x, int y) const
{
    const auto found = std::find_if(linkAreas_.begin(), linkAreas_.end(),
                                    [x, y](const LinkArea& area) { return area.Contains(x, y); });
    return found == linkAreas_.end() ? nullptr : &*found;
}

// The areas may change while a message is being handled (the owner can lay the text out again),
// so nothing of an area is used after a message was sent.
bool LinkTracker::HoverAt(int x, int y)
{
    const LinkArea* area = AreaAt(x, y);
    const int id = area != nullptr ? area->id : kNoHoveredLink;
    const bool showsCursor = area != nullptr && !area->target.empty() && linkCursor_ != nullptr;
    ReportHover(id);
    if (showsCursor) {
        actions_.ShowCursor(linkCursor_);
    }
    return showsCursor;
}

void LinkTracker::ReportHover(int id)
{
    if (id == hoveredLink_) {
        return;
    }
    hoveredLink_ = id;
    if (hoverTarget_.IsSet()) {
        actions_.SendToWindow(hoverTarget_.window, hoverTarget_.message,
                              static_cast<std::uintptr_t>(static_cast<std::intptr_t>(id)), hoverTarget_.param);
    }
}

void LinkTracker::ClickAt(int x, int y)
{
    const LinkArea* area = AreaAt(x, y);
    if (area == nullptr || area->target.empty()) {
        return;
    }
    const std::wstring target = area->target;
    if (area->kind == LinkKind::Address) {
        ResetLinkCursor();
        OpenAddress(actions_, target, kShowLinkTarget);
    } else if (area->kind == LinkKind::Message && clickTarget_.IsSet()) {
        actions_.SendToWindow(clickTarget_.window, clickTarget_.message,
                              reinterpret_cast<std::uintptr_t>(target.c_str()), clickTarget_.param);
    }
}

void LinkTracker::SetLinkCursor(CursorHandle cursor)
{
    if (linkCursor_ != nullptr && linkCursor_ != cursor) {
        actions_.DestroyCursor(linkCursor_);
    }
    linkCursor_ = cursor;
}

void LinkTracker::ResetLinkCursor()
{
    SetLinkCursor(actions_.LoadDefaultLinkCursor());
}

} // namespace fennick
